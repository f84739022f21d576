#include "speech/perform_taunt.h"

#include <span>

#include "platform/platform.h"
#include "speech/line_catalogue.h"
#include "speech/line_choice.h"
#include "speech/repeat_history.h"

namespace quillomar {
namespace {

constexpr std::uint32_t kVoiceCheckIntervalMs = 5000;
constexpr Hash kJohnModel = 0x00B69710;
constexpr std::uint32_t kSpeechParameters = 0xF85DD899;

struct SpeechState {
    VoiceSet voiceSet = VoiceSet::Arthur;
    std::uint32_t lastVoiceCheckTick = 0;
    std::uint32_t lastCombatTauntTick = 0;
};

SpeechState gSpeech;

const char* DefaultVoice(VoiceSet set) { return set == VoiceSet::John ? "JOHN_PLAYER" : "ARTHUR"; }

// The block the game's ambient speech reads: eight 8-byte slots, 32-bit values in their low
// halves. The game reads all eight, so the last one is there, zero, even though nothing uses it.
SpeechRequest MakeSpeechRequest(const SpeechLine& line, Ped speaker) {
    SpeechRequest request{};
    request.slots[0] = reinterpret_cast<std::uintptr_t>(line.speechName);
    request.slots[1] =
        reinterpret_cast<std::uintptr_t>(line.voice != nullptr ? line.voice : DefaultVoice(gSpeech.voiceSet));
    request.slots[2] = static_cast<std::uint32_t>(line.variation);
    request.slots[3] = kSpeechParameters;
    request.slots[4] = static_cast<std::uint32_t>(speaker);
    request.slots[5] = 1;
    request.slots[6] = 1;
    return request;
}

template <typename Context>
bool SpeakChosenLine(std::span<const SpeechLine> list, const Context& context, RepeatQueue& history, Ped speaker) {
    if (list.empty()) return false;
    std::optional<std::int32_t> row = ChooseLine(list, context, history);
    if (!row) return false;
    return PlayAmbientSpeech(speaker, MakeSpeechRequest(list[static_cast<std::size_t>(*row)], speaker));
}

}  // namespace

void RefreshVoiceSet(Ped playerPed) {
    std::uint32_t now = platform::TickCount();
    if (now - gSpeech.lastVoiceCheckTick < kVoiceCheckIntervalMs) return;
    gSpeech.lastVoiceCheckTick = now;
    if (!DoesEntityExist(playerPed)) return;
    gSpeech.voiceSet = EntityModel(playerPed) == kJohnModel ? VoiceSet::John : VoiceSet::Arthur;
}

VoiceSet CurrentVoiceSet() { return gSpeech.voiceSet; }

bool PerformTaunt(Ped playerPed, PedState state, const TargetContext& target) {
    RefreshVoiceSet(playerPed);
    auto stateValue = static_cast<std::int32_t>(state);
    const SpeechLines* list = FindStateLines(gSpeech.voiceSet, stateValue);
    if (list == nullptr || list->empty()) return false;
    return SpeakChosenLine(*list, target, StateHistory(stateValue), playerPed);
}

bool PerformCombatTaunt(const CombatContext& combat, Ped playerPed) {
    RefreshVoiceSet(playerPed);
    if (combat.mode == CombatMode::None || combat.hostileCount == 0) return false;
    bool gunfight = combat.mode == CombatMode::Gunfight;
    const SpeechLines& list = gunfight ? GunfightLines(gSpeech.voiceSet) : MeleeLines(gSpeech.voiceSet);
    if (!SpeakChosenLine(list, combat, gunfight ? GunfightHistory() : MeleeHistory(), playerPed)) return false;
    gSpeech.lastCombatTauntTick = platform::TickCount();
    return true;
}

std::uint32_t LastCombatTauntTick() { return gSpeech.lastCombatTauntTick; }

void ResetSpeechState() { gSpeech = SpeechState{}; }

}  // namespace quillomar
