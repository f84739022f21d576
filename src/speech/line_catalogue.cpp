#include "speech/line_catalogue.h"

#include <algorithm>
#include <utility>

#include "speech/line_data.h"

namespace quillomar {
namespace {

std::size_t RowCount(LineRuns runs) {
    std::size_t rows = 0;
    for (const LineRun& run : runs) rows += run.variations.count;
    return rows;
}

// One row per variation of each run, in run order.
void AssignRows(LineRuns runs, SpeechLines& lines) {
    lines.clear();
    lines.reserve(RowCount(runs));
    for (const LineRun& run : runs) {
        for (std::size_t i = 0; i < run.variations.count; ++i) {
            lines.push_back({run.speechName, run.conditions, run.generic, run.variations.values[i], run.voice});
        }
    }
}

// A voice set's lists from its tables: the state lists Dead to Fleeing, then the two fights.
void AssignLists(const LineRuns (&states)[kStateListCount], LineRuns gunfight, LineRuns melee,
                 LineCatalogue& catalogue) {
    for (std::size_t i = 0; i < kStateListCount; ++i) AssignRows(states[i], catalogue.items[i]);
    AssignRows(gunfight, catalogue[LineList::Gunfight]);
    AssignRows(melee, catalogue[LineList::Melee]);
}

std::size_t LongestListOf(const LineCatalogue& catalogue) {
    std::size_t longest = 0;
    ForEachList(catalogue, [&](const SpeechLines& lines) { longest = std::max(longest, lines.size()); });
    return longest;
}

}  // namespace

void BuildLineCatalogues(LineCatalogues& catalogues, OwnLines own) {
    AssignLists(kArthurStateRuns, kArthurGunfightRuns, kArthurMeleeRuns,
                catalogues.sets[static_cast<std::size_t>(VoiceSet::Arthur)]);
    AssignLists(kJohnStateRuns, kJohnGunfightRuns, kJohnMeleeRuns,
                catalogues.sets[static_cast<std::size_t>(VoiceSet::John)]);
    // Moving the storage keeps its bytes where the rows point.
    catalogues.ownNames = std::move(own.names);
    for (OwnList& list : own.lists)
        catalogues.sets[static_cast<std::size_t>(list.voice)][list.list] = std::move(list.rows);
}

std::optional<LineList> ListOf(PedState state) {
    if (state < PedState::Dead || state > PedState::Fleeing) return std::nullopt;
    return static_cast<LineList>(static_cast<std::int32_t>(state) - static_cast<std::int32_t>(PedState::Dead));
}

std::size_t CatalogueRowCount(const LineCatalogue& catalogue) {
    std::size_t rows = 0;
    ForEachList(catalogue, [&](const SpeechLines& lines) { rows += lines.size(); });
    return rows;
}

std::size_t LongestList(const LineCatalogues& catalogues) {
    return std::max(LongestListOf(catalogues.sets[0]), LongestListOf(catalogues.sets[1]));
}

const LineCatalogues& BuiltInCatalogues() {
    static const LineCatalogues catalogues = [] {
        LineCatalogues built;
        BuildLineCatalogues(built);
        return built;
    }();
    return catalogues;
}

}  // namespace quillomar
