#include "speech/perform_taunt.h"

#include <algorithm>
#include <cstring>
#include <span>
#include <utility>

#include "config/settings.h"
#include "host/game_names.h"
#include "platform/platform.h"

namespace quillomar {
namespace {

constexpr std::uint32_t kVoiceCheckIntervalMs = 5000;

const char* DefaultVoice(VoiceSet set) { return set == VoiceSet::John ? "JOHN_PLAYER" : "ARTHUR"; }

// The block the game's ambient speech reads: eight 8-byte slots, 32-bit values in their low
// halves. The game reads all eight, so the last one is there, zero, even though nothing uses it.
SpeechRequest MakeSpeechRequest(const SpeechLine& line, VoiceSet set, Ped speaker) {
    SpeechRequest request{};
    request.slots[0] = reinterpret_cast<std::uintptr_t>(line.speechName);
    request.slots[1] = reinterpret_cast<std::uintptr_t>(line.voice != nullptr ? line.voice : DefaultVoice(set));
    request.slots[2] = static_cast<std::uint32_t>(line.variation);
    request.slots[3] = game::kForcedSpeech;
    request.slots[4] = static_cast<std::uint32_t>(speaker);
    request.slots[5] = 1;
    request.slots[6] = 1;
    return request;
}

// The line the game started, kept whole: its name may point into list-file text a reload frees.
void RememberSpoken(Speech& speech, const SpeechLine& line, LineList list) {
    SpokenLine& spoken = speech.lastSpoken;
    const std::size_t length = std::min(std::strlen(line.speechName), sizeof spoken.name - 1);
    std::memcpy(spoken.name, line.speechName, length);
    spoken.name[length] = '\0';
    spoken.variation = line.variation;
    spoken.voice = speech.voiceSet;
    spoken.list = list;
    spoken.fileLine = line.fileLine;
    speech.lastSpokenTick = platform::TickCount();
    ++speech.linesSpoken;
}

// For the field report: the game's answer to a request, by the voice it named and the list.
void CountSpeech(FieldTallies& field, const SpeechLine& line, VoiceSet set, LineList list, bool said) {
    field.Speech(line.voice != nullptr ? line.voice : DefaultVoice(set), static_cast<std::size_t>(list), said);
    (set == VoiceSet::John ? field.johnSeen : field.arthurSeen) = true;
}

template <typename Context>
bool SpeakChosenLine(const Speaker& speaker, LineList listName, std::span<const SpeechLine> list,
                     const Context& context, RepeatQueue& history) {
    // Without AvoidRepeatTaunts the history holds nothing, as with a RepeatPreventionCount of 0.
    const Settings& settings = speaker.settings;
    Speech& speech = speaker.speech;
    const LineRules rules{settings.genericLineChance, settings.avoidRepeatTaunts ? settings.repeatPreventionCount : 0};
    std::optional<std::int32_t> row = ChooseLine(list, context, {history, speech.pools, speaker.random, rules});
    if (!row) return false;
    const SpeechLine& line = list[static_cast<std::size_t>(*row)];
    const bool said = PlayAmbientSpeech(speaker.playerPed, MakeSpeechRequest(line, speech.voiceSet, speaker.playerPed));
    if (speaker.field != nullptr) CountSpeech(*speaker.field, line, speech.voiceSet, listName, said);
    if (!said) return false;
    RememberSpoken(speech, line, listName);
    return true;
}

}  // namespace

void PrepareSpeech(Speech& speech, OwnLines own) {
    BuildLineCatalogues(speech.catalogues, std::move(own));
    MarkMutedRows(speech.catalogues, speech.muted);
    const std::size_t longest = LongestList(speech.catalogues);
    PrepareRepeatHistory(speech.history, longest);
    ReservePools(speech.pools, longest);
}

void RefreshVoiceSet(Speech& speech, Ped playerPed) {
    std::uint32_t now = platform::TickCount();
    if (now - speech.lastVoiceCheckTick < kVoiceCheckIntervalMs) return;
    speech.lastVoiceCheckTick = now;
    if (!DoesEntityExist(playerPed)) return;
    speech.voiceSet = EntityModel(playerPed) == game::kJohnModel ? VoiceSet::John : VoiceSet::Arthur;
}

bool PerformTaunt(const Speaker& speaker, PedState state, Ped target) {
    Speech& speech = speaker.speech;
    RefreshVoiceSet(speech, speaker.playerPed);
    const std::optional<LineList> listName = ListOf(state);
    if (!listName) return false;
    const SpeechLines& list = speech.catalogues.Of(speech.voiceSet)[*listName];
    if (list.empty()) return false;
    // The target's surroundings decide only which line fits: they are asked when one is chosen.
    const TargetContext surroundings = BuildTargetContext(target, speaker.playerPed);
    return SpeakChosenLine(speaker, *listName, list, surroundings, speech.history[*listName]);
}

bool PerformCombatTaunt(const Speaker& speaker, CombatContext& combat) {
    Speech& speech = speaker.speech;
    RefreshVoiceSet(speech, speaker.playerPed);
    if (combat.mode == CombatMode::None || combat.hostileCount == 0) return false;
    const LineList listName = combat.mode == CombatMode::Gunfight ? LineList::Gunfight : LineList::Melee;
    const SpeechLines& list = speech.catalogues.Of(speech.voiceSet)[listName];
    if (list.empty()) return false;
    CompleteCombatContext(combat);
    if (!SpeakChosenLine(speaker, listName, list, combat, speech.history[listName])) return false;
    speech.lastCombatTauntTick = platform::TickCount();
    return true;
}

}  // namespace quillomar
