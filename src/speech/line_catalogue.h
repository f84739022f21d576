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

// Calls visit with each list of the catalogue, the state lists in key order, then the gunfight
// and melee lists; const or not as the catalogue is.
template <typename Catalogue, typename Visit>
void ForEachList(Catalogue& catalogue, Visit visit) {
    for (auto& [state, lines] : catalogue.stateLines) visit(lines);
    visit(catalogue.gunfightLines);
    visit(catalogue.meleeLines);
}

// Both voice sets' catalogues, by VoiceSet, and the storage of the player's own lines' names,
// which their rows point into. Moving keeps that storage where it is; copying could not.
struct LineCatalogues {
    LineCatalogue sets[kVoiceSetCount];
    std::vector<char> ownNames;

    LineCatalogues() = default;
    LineCatalogues(LineCatalogues&&) = default;
    LineCatalogues& operator=(LineCatalogues&&) = default;
    LineCatalogues(const LineCatalogues&) = delete;
    LineCatalogues& operator=(const LineCatalogues&) = delete;

    // An out-of-range value is no voice set of ours; it reads Arthur's lines rather than fail.
    const LineCatalogue& Of(VoiceSet set) const { return sets[set == VoiceSet::John ? 1 : 0]; }
};

// The player's own lists, read from a taunt list file: each replaces the built-in list of its
// voice set, whole.
struct OwnList {
    VoiceSet voice;
    LineList list;
    SpeechLines rows;
};
struct OwnLines {
    std::vector<char> names;     // the file's text, which the rows' names point into
    std::vector<OwnList> lists;  // in the order of the file

    // The rows point into names: the two move together and are never copied apart.
    OwnLines() = default;
    OwnLines(OwnLines&&) = default;
    OwnLines& operator=(OwnLines&&) = default;
    OwnLines(const OwnLines&) = delete;
    OwnLines& operator=(const OwnLines&) = delete;
};

// Fills both voice sets from the built-in tables, then puts the own lists in place of theirs and
// keeps the storage of their names. Each step replaces what a previous build left.
void BuildLineCatalogues(LineCatalogues& catalogues, OwnLines own = {});

// The list of a catalogue: for a target state, null when the catalogue has no entry for it.
const SpeechLines* FindList(const LineCatalogue& catalogue, LineList list);

// The list for a target state, or null when the catalogue has no entry for it.
const SpeechLines* FindStateLines(const LineCatalogue& catalogue, std::int32_t state);

// Rows of every list of the catalogue, state and combat lists alike.
std::size_t CatalogueRowCount(const LineCatalogue& catalogue);

// The most rows any one list of the catalogues holds.
std::size_t LongestList(const LineCatalogues& catalogues);

// The built-in catalogues, built once on first use, for tools that list the lines.
const LineCatalogues& BuiltInCatalogues();

}  // namespace quillomar
