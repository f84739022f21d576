#pragma once
// What taunting keeps besides the frame: the one random generator, speech (the lines, what was
// said lately, the voice), when each ped was taunted, and the peds a combat taunt provoked.

#include "combat/aggression.h"
#include "core/random.h"
#include "speech/perform_taunt.h"
#include "targeting/taunt_history.h"

namespace quillomar {

struct Settings;

struct TauntState {
    Random random;
    Speech speech;
    TauntHistory taunts;
    Aggression aggression;
    FieldTallies* field = nullptr;  // with FieldReport: the process's tallies the stages add to
};

// The speaker of a taunt by the player's ped.
inline Speaker SpeakerOf(TauntState& taunting, const Settings& settings, Ped playerPed) {
    return {taunting.speech, taunting.random, settings, playerPed, taunting.field};
}

}  // namespace quillomar
