#include "speech/line_catalogue.h"

#include <algorithm>

#include "speech/line_choice.h"
#include "speech/line_data.h"
#include "speech/repeat_history.h"
#include "targeting/ped_state.h"

namespace quillomar {
namespace {

LineCatalogue& CatalogueOf(VoiceSet set) {
    static LineCatalogue catalogues[2];
    // An out-of-range value is no voice set of ours; it reads Arthur's lines rather than fail.
    return catalogues[set == VoiceSet::John ? 1 : 0];
}

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

std::size_t LongestList(const LineCatalogue& catalogue) {
    std::size_t longest = std::max(catalogue.gunfightLines.size(), catalogue.meleeLines.size());
    for (const auto& [state, lines] : catalogue.stateLines) longest = std::max(longest, lines.size());
    return longest;
}

}  // namespace

void BuildLineCatalogue() {
    LineCatalogue& arthur = CatalogueOf(VoiceSet::Arthur);
    AssignStateLists(kArthurStateRuns, arthur);
    arthur.stateLines[static_cast<std::int32_t>(PedState::Combat)].clear();
    arthur.stateLines[static_cast<std::int32_t>(PedState::UnharmedPassive)].clear();
    ResetStateHistories();
    AssignRows(kArthurGunfightRuns, arthur.gunfightLines);
    AssignRows(kArthurMeleeRuns, arthur.meleeLines);

    LineCatalogue& john = CatalogueOf(VoiceSet::John);
    AssignStateLists(kJohnStateRuns, john);
    AssignRows(kJohnGunfightRuns, john.gunfightLines);
    AssignRows(kJohnMeleeRuns, john.meleeLines);

    // Storage for the longest list now, so that no draw in a frame allocates.
    ReserveLineChoice(std::max(LongestList(arthur), LongestList(john)));
}

const std::map<std::int32_t, SpeechLines>& StateLines(VoiceSet set) { return CatalogueOf(set).stateLines; }
const SpeechLines& GunfightLines(VoiceSet set) { return CatalogueOf(set).gunfightLines; }
const SpeechLines& MeleeLines(VoiceSet set) { return CatalogueOf(set).meleeLines; }

const SpeechLines* FindStateLines(VoiceSet set, std::int32_t state) {
    const auto& lists = StateLines(set);
    auto found = lists.find(state);
    return found != lists.end() ? &found->second : nullptr;
}

std::size_t CatalogueRowCount(VoiceSet set) {
    const LineCatalogue& catalogue = CatalogueOf(set);
    std::size_t rows = catalogue.gunfightLines.size() + catalogue.meleeLines.size();
    for (const auto& [state, lines] : catalogue.stateLines) rows += lines.size();
    return rows;
}

}  // namespace quillomar
