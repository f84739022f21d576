#pragma once
// The voice-line catalogue: for each voice set, a list of lines per target state and one list
// each for gunfights and melee. Built once at start-up, read-only afterwards.

#include <cstddef>
#include <cstdint>
#include <map>
#include <vector>

#include "speech/speech_line.h"

namespace quillomar {

using SpeechLines = std::vector<SpeechLine>;

struct LineCatalogue {
    std::map<std::int32_t, SpeechLines> stateLines;  // by PedState value
    SpeechLines gunfightLines;
    SpeechLines meleeLines;  // any fight that is not a gunfight
};

// Both voice sets' catalogues, by VoiceSet.
struct LineCatalogues {
    LineCatalogue sets[2];

    // An out-of-range value is no voice set of ours; it reads Arthur's lines rather than fail.
    const LineCatalogue& Of(VoiceSet set) const { return sets[set == VoiceSet::John ? 1 : 0]; }
};

// Fills both voice sets from the built-in tables. Each step replaces what a previous build left,
// so building again changes nothing.
void BuildLineCatalogues(LineCatalogues& catalogues);

// The list for a target state, or null when the catalogue has no entry for it.
const SpeechLines* FindStateLines(const LineCatalogue& catalogue, std::int32_t state);

// Rows of every list of the catalogue, state and combat lists alike.
std::size_t CatalogueRowCount(const LineCatalogue& catalogue);

// The most rows any one list of the catalogues holds.
std::size_t LongestList(const LineCatalogues& catalogues);

// The built-in catalogues, built once on first use, for tools that list the lines.
const LineCatalogues& BuiltInCatalogues();

}  // namespace quillomar
