#include "speech/line_catalogue.h"

#include <algorithm>
#include <utility>

#include "speech/line_data.h"
#include "targeting/ped_state.h"

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

// Keys Dead to Fleeing, in key order.
void AssignStateLists(const LineRuns (&runs)[kStateListCount], LineCatalogue& catalogue) {
    const auto first = static_cast<std::int32_t>(PedState::Dead);
    for (std::size_t i = 0; i < kStateListCount; ++i) {
        AssignRows(runs[i], catalogue.stateLines[first + static_cast<std::int32_t>(i)]);
    }
}

std::size_t LongestListOf(const LineCatalogue& catalogue) {
    std::size_t longest = 0;
    ForEachList(catalogue, [&](const SpeechLines& lines) { longest = std::max(longest, lines.size()); });
    return longest;
}

constexpr std::int32_t StateOf(LineList list) {
    return static_cast<std::int32_t>(PedState::Dead) + static_cast<std::int32_t>(list);
}

SpeechLines& ListOf(LineCatalogue& catalogue, LineList list) {
    if (list == LineList::Gunfight) return catalogue.gunfightLines;
    if (list == LineList::Melee) return catalogue.meleeLines;
    return catalogue.stateLines[StateOf(list)];
}

}  // namespace

void BuildLineCatalogues(LineCatalogues& catalogues, OwnLines own) {
    LineCatalogue& arthur = catalogues.sets[static_cast<std::size_t>(VoiceSet::Arthur)];
    AssignStateLists(kArthurStateRuns, arthur);
    // Arthur's catalogue names the Combat and UnharmedPassive states, with no lines.
    arthur.stateLines[static_cast<std::int32_t>(PedState::Combat)].clear();
    arthur.stateLines[static_cast<std::int32_t>(PedState::UnharmedPassive)].clear();
    AssignRows(kArthurGunfightRuns, arthur.gunfightLines);
    AssignRows(kArthurMeleeRuns, arthur.meleeLines);

    LineCatalogue& john = catalogues.sets[static_cast<std::size_t>(VoiceSet::John)];
    AssignStateLists(kJohnStateRuns, john);
    AssignRows(kJohnGunfightRuns, john.gunfightLines);
    AssignRows(kJohnMeleeRuns, john.meleeLines);

    // Moving the storage keeps its bytes where the rows point.
    catalogues.ownNames = std::move(own.names);
    for (OwnList& list : own.lists) {
        ListOf(catalogues.sets[static_cast<std::size_t>(list.voice)], list.list) = std::move(list.rows);
    }
}

const SpeechLines* FindList(const LineCatalogue& catalogue, LineList list) {
    if (list == LineList::Gunfight) return &catalogue.gunfightLines;
    if (list == LineList::Melee) return &catalogue.meleeLines;
    return FindStateLines(catalogue, StateOf(list));
}

const SpeechLines* FindStateLines(const LineCatalogue& catalogue, std::int32_t state) {
    auto found = catalogue.stateLines.find(state);
    return found != catalogue.stateLines.end() ? &found->second : nullptr;
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
