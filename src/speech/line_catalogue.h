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

// Fills both voice sets from the built-in tables and gives the states' repeat history empty
// queues. Each step replaces what a previous build left, so building again changes nothing.
void BuildLineCatalogue();

const std::map<std::int32_t, SpeechLines>& StateLines(VoiceSet set);
const SpeechLines& GunfightLines(VoiceSet set);
const SpeechLines& MeleeLines(VoiceSet set);

// The list for a target state, or null when the voice set has no entry for it.
const SpeechLines* FindStateLines(VoiceSet set, std::int32_t state);

// Rows of every list of the voice set, state and combat lists alike.
std::size_t CatalogueRowCount(VoiceSet set);

}  // namespace quillomar
