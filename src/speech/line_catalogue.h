#pragma once
// The voice-line catalogue: for each voice set, a list of lines per target state and one list
// each for gunfights and melee. Built at start-up and again when the player's list file changes;
// a mute marks rows in place.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "speech/speech_line.h"
#include "targeting/ped_state.h"

namespace quillomar {

using SpeechLines = std::vector<SpeechLine>;

// A voice set's eight lists; melee serves any fight that is not a gunfight.
using LineCatalogue = PerList<SpeechLines>;

// Calls visit with each list of the catalogue, in LineList order; const or not as the catalogue is.
template <typename Catalogue, typename Visit>
void ForEachList(Catalogue& catalogue, Visit visit) {
    for (auto& lines : catalogue.items) visit(lines);
}

// The list of a target state, Dead to Fleeing; none for a state no list serves.
std::optional<LineList> ListOf(PedState state);

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

// Rows of every list of the catalogue, state and combat lists alike.
std::size_t CatalogueRowCount(const LineCatalogue& catalogue);

// The most rows any one list of the catalogues holds.
std::size_t LongestList(const LineCatalogues& catalogues);

// The built-in catalogues, built once on first use, for tools that list the lines.
const LineCatalogues& BuiltInCatalogues();

}  // namespace quillomar
