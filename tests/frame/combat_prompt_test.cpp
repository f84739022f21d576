// The combat taunt prompt waits for the cooldown of the fight's kind, counted across the tick
// count's wrap; a negative cooldown is never over. Played through whole frames.

#include <gtest/gtest.h>

#include <string>

#include "frame/combat_taunt.h"
#include "plugin/update_frame.h"
#include "sim_support.h"

namespace quillomar {
namespace {

constexpr Ped kEnemy = 201;
constexpr std::uint32_t kStart = 100000;

struct Fight {
    test::ScopedDirectory dir;
    PluginState* state = nullptr;

    // One enemy, armed (a gunfight) that the player aims at, or not (a fistfight) and in his focus.
    Fight(const std::string& combatSettings, bool fistfight = false) {
        state = &test::StartPluginInSim("[CombatTaunts]\n" + combatSettings);
        sim::World& world = sim::TheGame().world;
        world.peds[kEnemy].position = {5.0f, 5.0f, 0.0f};
        world.peds[kEnemy].fightingPeds = {test::kPlayerPed};
        world.peds[kEnemy].armed = !fistfight;
        (fistfight ? world.focusEntity : world.freeAimEntity) = kEnemy;
    }
    bool Offered(std::uint32_t tick) {
        sim::TheGame().clock.tick = tick;
        UpdateFrame(*state);
        for (const auto& [handle, prompt] : sim::TheGame().prompts) {
            if (prompt.text == "Combat Taunt") return prompt.visible;
        }
        return false;
    }
    Speaker Player() { return SpeakerOf(state->taunting, state->settings, test::kPlayerPed); }
    void SpeakAt(std::uint32_t tick) {
        Offered(tick);
        sim::TheGame().clock.tick = tick;
        ASSERT_TRUE(PerformCombatTaunt(Player(), state->frame.combatContext));
    }
};

TEST(CombatPrompt, WaitsForTheCooldownOfTheFightsKindSinceTheLastSpokenCombatTaunt) {
    struct Case {
        const char* what;
        std::string ini;
        bool fistfight, tauntFirst;
        std::uint32_t tauntAt, now;
        bool offered;
    } cases[] = {
        {"gunfight, 1 ms short", "GunfightCooldown=15000\n", false, true, kStart, kStart + 14999, false},
        {"gunfight, just over", "GunfightCooldown=15000\n", false, true, kStart, kStart + 15000, true},
        {"fistfight uses its own", "GunfightCooldown=60000\nMeleeCooldown=5000\n", true, true, kStart, kStart + 5000,
         true},
        {"across the wrap, just over", "GunfightCooldown=4352\n", false, true, 0xFFFFF000u, 0x100u, true},
        {"across the wrap, 1 ms short", "GunfightCooldown=4353\n", false, true, 0xFFFFF000u, 0x100u, false},
        {"none yet, 1 ms before", "GunfightCooldown=15000\n", false, false, 0, 14999, false},
        {"-1 is never over", "GunfightCooldown=-1\n", false, true, kStart, kStart + 0x7FFFFFFFu, false},
        {"INT_MIN", "GunfightCooldown=-2147483648\n", false, false, 0, 0x7FFFFFFFu, false},
        {"switched off", "Enabled=0\nGunfightCooldown=0\n", false, false, 0, kStart, false},
    };
    for (const Case& c : cases) {
        Fight fight(c.ini + "MeleeMinDistance=0\n", c.fistfight);
        if (c.tauntFirst) fight.SpeakAt(c.tauntAt);
        EXPECT_EQ(fight.Offered(c.now), c.offered) << c.what;
    }
}

TEST(CombatPrompt, AsksAPlayerToStandStillAtHalfAMetreASecondAtMost) {
    for (const auto& [speed, offered] : {std::pair{0.5f, true}, std::pair{0.51f, false}}) {
        Fight fight("CombatTauntRequireStationary=1\nGunfightCooldown=0\nMeleeMinDistance=0\n");
        sim::TheGame().world.peds[test::kPlayerPed].speed = speed;
        EXPECT_EQ(fight.Offered(kStart), offered) << speed;
    }
}

TEST(CombatPrompt, IsNotOfferedWhileTheAimIsOnABystander) {
    Fight fight("GunfightCooldown=0\nMeleeMinDistance=0\n");
    sim::TheGame().world.peds[202] = {};
    sim::TheGame().world.freeAimEntity = 202;
    EXPECT_FALSE(fight.Offered(kStart));
}

TEST(PerformCombatTaunt, FailsAndRestartsNoCooldownWhenTheGameDeclinesTheLineOrThereIsNoFight) {
    Fight fight("GunfightCooldown=0\n");
    fight.Offered(kStart);
    sim::TheGame().world.speechRefused = true;
    EXPECT_FALSE(PerformCombatTaunt(fight.Player(), fight.state->frame.combatContext));
    EXPECT_EQ(fight.state->taunting.speech.lastCombatTauntTick, 0u);
    sim::TheGame().world.speechRefused = false;
    CombatContext noFight;
    EXPECT_FALSE(PerformCombatTaunt(fight.Player(), noFight));
}

}  // namespace
}  // namespace quillomar
