#include "frame/debug_overlay.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "config/settings.h"
#include "frame/combat_taunt.h"
#include "frame/frame_state.h"
#include "frame/taunt_state.h"
#include "targeting/target_search.h"

namespace quillomar {
namespace {

// The longest text, the target text with every number at its widest, takes under 320 bytes.
constexpr std::size_t kOverlayCapacity = 512;
constexpr float kOverlayX = 0.01f;
constexpr float kOverlayY = 0.01f;

struct OverlayText {
    char chars[kOverlayCapacity];
};

const char* StateName(PedState state) {
    switch (state) {
        case PedState::Dead:
            return "Dead";
        case PedState::Writhing:
            return "Writhing";
        case PedState::FatallyInjured:
            return "FatallyInjured";
        case PedState::Incapacitated:
            return "Incapacitated";
        case PedState::RagdollHurt:
            return "RagdollHurt";
        case PedState::Fleeing:
            return "Fleeing";
        case PedState::Combat:
            return "Combat";
        case PedState::UnharmedPassive:
            return "UnharmedPassive";
        default:
            return "None";
    }
}

const char* ModeName(CombatMode mode) {
    switch (mode) {
        case CombatMode::Gunfight:
            return "Gunfight";
        case CombatMode::Melee:
            return "Melee";
        default:
            return "None";
    }
}

int Bit(bool value) { return value ? 1 : 0; }
int Count(std::size_t rows) { return static_cast<int>(rows); }

// The fight as the combat refresh of this frame left it.
struct FightView {
    const CombatContext& context;
    const char* mode;
    bool canCombatTaunt;  // the combat cooldown of the mode (None counts as melee) has passed
};

FightView ViewFight(const FrameState& frame, const Speech& speech, const Settings& settings) {
    const CombatContext& context = frame.combatContext;
    return {context, ModeName(context.mode), CombatCooldownPassed(settings, speech, context.mode)};
}

// What the overlay reads besides the frame.
struct OverlayInputs {
    const Settings& settings;
    const LineCatalogue& lines;  // the current voice set's
    const TauntHistory& taunts;
    FightView fight;
};

// The current voice set's list for the state: its rows, and those that fit the target.
struct StateLineCount {
    int eligible = 0;
    int total = 0;
};

StateLineCount CountStateLines(const LineCatalogue& catalogue, PedState state, const TargetContext& target) {
    const std::optional<LineList> list = ListOf(state);
    if (!list) return {};
    const SpeechLines& lines = catalogue[*list];
    StateLineCount count;
    count.total = Count(lines.size());
    for (const SpeechLine& line : lines) count.eligible += Bit(!line.muted && LineMatchesTarget(line, target));
    return count;
}

void FormatNoTargetText(OverlayText& text, const OverlayInputs& in) {
    const FightView& fight = in.fight;
    const Settings& settings = in.settings;
    std::snprintf(text.chars, sizeof text.chars,
                  "No target | Total taunts: %d\n"
                  "Combat: %s | Hostiles:%d Law:%d CanCbt:%d | Gun:%d Melee:%d\n"
                  "AggroChance:%d%% | Min:%d Max:%d | TackleChance:%d%%",
                  Count(CatalogueRowCount(in.lines)), fight.mode, static_cast<int>(fight.context.hostileCount),
                  Bit(fight.context.law), Bit(fight.canCombatTaunt), Count(in.lines[LineList::Gunfight].size()),
                  Count(in.lines[LineList::Melee].size()), static_cast<int>(settings.aggressionChance),
                  static_cast<int>(settings.aggressionMinPeds), static_cast<int>(settings.aggressionMaxPeds),
                  static_cast<int>(settings.tackleChance));
}

// The ped's values, gathered in a fixed order: the state, the surroundings, the game's answers
// about the ped, the may-taunt rule, then the line counts.
void FormatTargetText(OverlayText& text, Ped ped, Ped playerPed, const OverlayInputs& in) {
    const FightView& fight = in.fight;
    const PedState state = ClassifyPedState(ped, in.settings.includeRagdollNotFatallyInjured, playerPed);
    const TargetContext surroundings = BuildTargetContext(ped, playerPed);
    const bool dead = IsEntityDead(ped);
    const bool writhing = IsPedWrithing(ped);
    const bool fatallyInjured = IsPedFatallyInjured(ped);
    const bool incapacitated = IsPedIncapacitated(ped);
    const bool ragdolling = IsPedRagdolling(ped);
    const bool fleeing = IsPedFleeing(ped);
    const bool inCombat = IsPedInCombatWith(ped, playerPed);
    const std::int32_t health = EntityHealth(ped);
    const std::int32_t maxHealth = EntityMaxHealth(ped);
    const std::int32_t pedType = PedType(ped);
    const Hash group = PedRelationshipGroup(ped);
    const bool canTaunt = CanTauntPed(in.taunts, ped);
    const StateLineCount lines = CountStateLines(in.lines, state, surroundings);
    std::snprintf(text.chars, sizeof text.chars,
                  "Target: %d | State: %s (%d/%d) | CanTaunt:%d\n"
                  "Dead:%d Writh:%d Fatal:%d Incap:%d Rag:%d Flee:%d Cbt:%d\n"
                  "Female:%d Gang:%d Peds:%d Dead:%d | HP:%d/%d\n"
                  "PedType:%d RelGroup:0x%X | Combat:%s Host:%d Law:%d",
                  static_cast<int>(ped), StateName(state), lines.eligible, lines.total, Bit(canTaunt), Bit(dead),
                  Bit(writhing), Bit(fatallyInjured), Bit(incapacitated), Bit(ragdolling), Bit(fleeing), Bit(inCombat),
                  Bit(surroundings.female), Bit(surroundings.gang), static_cast<int>(surroundings.nearbyPeds),
                  static_cast<int>(surroundings.nearbyDead), static_cast<int>(health), static_cast<int>(maxHealth),
                  static_cast<int>(pedType), static_cast<unsigned>(group), fight.mode,
                  static_cast<int>(fight.context.hostileCount), Bit(fight.context.law));
}

}  // namespace

void DrawDebugOverlay(FrameState& frame, const TauntState& taunting, const Settings& settings) {
    CompleteCombatContext(frame.combatContext);
    // Searched anew without the aiming requirement, so it may differ from the frame's target.
    const Ped ped = FindTargetPed(false, frame.playerPed);
    const Speech& speech = taunting.speech;
    const OverlayInputs in{settings, speech.catalogues.Of(speech.voiceSet), taunting.taunts,
                           ViewFight(frame, speech, settings)};
    OverlayText text;
    if (ped == 0) {
        FormatNoTargetText(text, in);
    } else {
        FormatTargetText(text, ped, frame.playerPed, in);
    }
    DrawScreenText(MakeLiteralGameText(text.chars), kOverlayX, kOverlayY);
}

}  // namespace quillomar
