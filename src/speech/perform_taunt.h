#pragma once
// Making the player character say a line: the voice set follows the player's model, the list
// follows the target's state or the fight, and the game's ambient speech speaks the chosen row.

#include <cstdint>

#include "combat/contexts.h"
#include "core/field_tallies.h"
#include "core/random.h"
#include "host/natives.h"
#include "speech/line_catalogue.h"
#include "speech/line_choice.h"
#include "speech/list_text.h"
#include "speech/muted_lines.h"
#include "speech/repeat_history.h"
#include "speech/speech_line.h"
#include "targeting/ped_state.h"

namespace quillomar {

struct Settings;

// The line the game last started: what the player heard, where it came from.
struct SpokenLine {
    char name[kMaxSpeechNameBytes + 1] = {};
    std::int32_t variation = 0;
    VoiceSet voice = VoiceSet::Arthur;
    LineList list = LineList::Dead;
    std::int32_t fileLine = 0;  // the taunt list file's line; 0: built in
};

// Everything speaking keeps: the lines, those muted, what was said lately, and whose voice speaks.
struct Speech {
    LineCatalogues catalogues;
    MutedLines muted;
    RepeatHistory history;
    LinePools pools;
    VoiceSet voiceSet = VoiceSet::Arthur;
    std::uint32_t lastVoiceCheckTick = 0;
    std::uint32_t lastCombatTauntTick = 0;  // of the last combat taunt the game accepted, 0 before any
    SpokenLine lastSpoken;
    std::uint32_t lastSpokenTick = 0;  // when the game started lastSpoken
    std::uint64_t linesSpoken = 0;     // since the start: lastSpoken holds nothing while 0
};

// Builds the catalogues, the player's own lists in place of those they replace, with the muted
// rows marked, and gives the history empty queues, with storage for the longest list so that no
// draw in a frame allocates.
void PrepareSpeech(Speech& speech, OwnLines own = {});

// Brings the current voice set up to date with the player's model, at most once every 5 s.
void RefreshVoiceSet(Speech& speech, Ped playerPed);

// What a taunt works with besides the target or the fight.
struct Speaker {
    Speech& speech;
    Random& random;
    const Settings& settings;
    Ped playerPed;
    FieldTallies* field = nullptr;  // with a field report: each request's answer is counted
};

// A taunt at a target in the given state, chosen by the target's surroundings; true when the game
// started the line.
bool PerformTaunt(const Speaker& speaker, PedState state, Ped target);

// A taunt in a fight, which completes the fight's context when it comes to choosing a line; true
// when the game started the line, which also restarts the combat cooldowns.
bool PerformCombatTaunt(const Speaker& speaker, CombatContext& combat);

}  // namespace quillomar
