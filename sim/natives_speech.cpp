// The game's ambient speech: the player character says a line.

#include <algorithm>
#include <cstring>
#include <string>

#include "host/native_hashes.h"
#include "natives.h"

namespace sim {
namespace {

namespace n = quillomar::native;

// Reads the whole request, as the game does: a block too short for it is caught by the
// address sanitizer.
void PlaySpeech(NativeCall& c) {
    const std::uint64_t* request = reinterpret_cast<const std::uint64_t*>(static_cast<std::uintptr_t>(c.args[1]));
    std::uint64_t slots[kSpeechRequestSlots];
    std::memcpy(slots, request, sizeof slots);
    std::string line = std::string(TextAt(slots[1])) + ": " + TextAt(slots[0]) + " #" +
                       std::to_string(static_cast<std::int32_t>(static_cast<std::uint32_t>(slots[2])));
    const std::vector<std::string>& unknown = c.world().unknownVoices;
    const bool knownVoice = std::find(unknown.begin(), unknown.end(), TextAt(slots[1])) == unknown.end();
    bool spoken = !c.world().speechRefused && knownVoice && c.world().FindPed(c.Int(0)) != nullptr;
    c.game.events.push_back((spoken ? "said " : "speech refused: ") + line);
    c.ReturnBool(spoken);
}

const NativeDef kSpeechNatives[] = {
    {SIM_NATIVE(PLAY_PED_AMBIENT_SPEECH_NATIVE), "ib", 1, PlaySpeech},
};

}  // namespace

std::span<const NativeDef> SpeechNatives() { return kSpeechNatives; }

}  // namespace sim
