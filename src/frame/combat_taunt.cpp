#include "frame/combat_taunt.h"

#include "config/settings.h"
#include "platform/platform.h"

namespace quillomar {

void SpeakCombatTaunt(TauntState& taunting, const Settings& settings, CombatContext& combat, Ped playerPed) {
    if (!PerformCombatTaunt(SpeakerOf(taunting, settings, playerPed), combat)) return;
    if (!settings.aggressionEffectEnabled) return;
    const ProvokeRules rules{settings.aggressionChance, settings.aggressionMinPeds, settings.aggressionMaxPeds,
                             settings.tackleChance};
    ProvokeEnemies(taunting.aggression, taunting.random, combat, rules);
}

// The cooldown is taken as unsigned: a negative setting is a cooldown of 24.9 days or more, so in
// play it never passes. The elapsed time survives the tick's wrap.
bool CombatCooldownPassed(const Settings& settings, const Speech& speech, CombatMode mode) {
    std::int32_t setting = mode == CombatMode::Gunfight ? settings.gunfightCooldown : settings.meleeCooldown;
    return platform::TickCount() - speech.lastCombatTauntTick >= static_cast<std::uint32_t>(setting);
}

}  // namespace quillomar
