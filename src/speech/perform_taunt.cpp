#include "speech/perform_taunt.h"

#include <span>
#include <utility>

#include "config/settings.h"
#include "platform/platform.h"

namespace quillomar {
namespace {

constexpr std::uint32_t kVoiceCheckIntervalMs = 5000;
constexpr Hash kJohnModel = 0x00B69710;
constexpr std::uint32_t kSpeechParameters = 0xF85DD899;

const char* DefaultVoice(VoiceSet set) { return set == VoiceSet::John ? "JOHN_PLAYER" : "ARTHUR"; }

// The block the game's ambient speech reads: eight 8-byte slots, 32-bit values in their low
// halves. The game reads all eight, so the last one is there, zero, even though nothing uses it.
SpeechRequest MakeSpeechRequest(const SpeechLine& line, VoiceSet set, Ped speaker) {
    SpeechRequest request{};
    request.slots[0] = reinterpret_cast<std::uintptr_t>(line.speechName);
    request.slots[1] = reinterpret_cast<std::uintptr_t>(line.voice != nullptr ? line.voice : DefaultVoice(set));
    request.slots[2] = static_cast<std::uint32_t>(line.variation);
    request.slots[3] = kSpeechParameters;
    request.slots[4] = static_cast<std::uint32_t>(speaker);
    request.slots[5] = 1;
    request.slots[6] = 1;
    return request;
}

template <typename Context>
bool SpeakChosenLine(const Speaker& speaker, std::span<const SpeechLine> list, const Context& context,
                     RepeatQueue& history) {
    // Without AvoidRepeatTaunts the history holds nothing, as with a RepeatPreventionCount of 0.
    const Settings& settings = speaker.settings;
    const LineRules rules{settings.genericLineChance, settings.avoidRepeatTaunts ? settings.repeatPreventionCount : 0};
    std::optional<std::int32_t> row = ChooseLine(list, context, {history, speaker.speech.pools, speaker.random, rules});
    if (!row) return false;
    const SpeechLine& line = list[static_cast<std::size_t>(*row)];
    return PlayAmbientSpeech(speaker.playerPed, MakeSpeechRequest(line, speaker.speech.voiceSet, speaker.playerPed));
}

}  // namespace

void PrepareSpeech(Speech& speech, OwnLines own) {
    BuildLineCatalogues(speech.catalogues, std::move(own));
    const std::size_t longest = LongestList(speech.catalogues);
    PrepareRepeatHistory(speech.history, longest);
    ReservePools(speech.pools, longest);
}

void RefreshVoiceSet(Speech& speech, Ped playerPed) {
    std::uint32_t now = platform::TickCount();
    if (now - speech.lastVoiceCheckTick < kVoiceCheckIntervalMs) return;
    speech.lastVoiceCheckTick = now;
    if (!DoesEntityExist(playerPed)) return;
    speech.voiceSet = EntityModel(playerPed) == kJohnModel ? VoiceSet::John : VoiceSet::Arthur;
}

bool PerformTaunt(const Speaker& speaker, PedState state, Ped target) {
    Speech& speech = speaker.speech;
    RefreshVoiceSet(speech, speaker.playerPed);
    auto stateValue = static_cast<std::int32_t>(state);
    const SpeechLines* list = FindStateLines(speech.catalogues.Of(speech.voiceSet), stateValue);
    if (list == nullptr || list->empty()) return false;
    // The target's surroundings decide only which line fits: they are asked when one is chosen.
    const TargetContext surroundings = BuildTargetContext(target, speaker.playerPed);
    return SpeakChosenLine(speaker, *list, surroundings, speech.history.states[stateValue]);
}

bool PerformCombatTaunt(const Speaker& speaker, CombatContext& combat) {
    Speech& speech = speaker.speech;
    RefreshVoiceSet(speech, speaker.playerPed);
    if (combat.mode == CombatMode::None || combat.hostileCount == 0) return false;
    const bool gunfight = combat.mode == CombatMode::Gunfight;
    const LineCatalogue& catalogue = speech.catalogues.Of(speech.voiceSet);
    const SpeechLines& list = gunfight ? catalogue.gunfightLines : catalogue.meleeLines;
    RepeatQueue& history = gunfight ? speech.history.gunfight : speech.history.melee;
    if (list.empty()) return false;
    CompleteCombatContext(combat);
    if (!SpeakChosenLine(speaker, list, combat, history)) return false;
    speech.lastCombatTauntTick = platform::TickCount();
    return true;
}

}  // namespace quillomar
