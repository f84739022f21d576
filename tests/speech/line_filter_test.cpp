#include <gtest/gtest.h>

#include "speech/line_choice.h"

namespace quillomar {
namespace {

SpeechLine Row(std::uint32_t conditions) { return {"ROW", conditions, false, 0, nullptr}; }

TargetContext Target(bool male, bool gang, bool relGroupMatch, std::int32_t nearbyPeds, std::int32_t nearbyDead) {
    TargetContext target;
    target.female = !male;
    target.male = male;
    target.gang = gang;
    target.relGroupMatch = relGroupMatch;
    target.nearbyPeds = nearbyPeds;
    target.nearbyDead = nearbyDead;
    return target;
}

TEST(LineMatchesTarget, TreatsSexBitsAsRequirementsAndSurroundingsAsAlternatives) {
    const TargetContext plainMan = Target(true, false, false, 0, 0);
    const TargetContext plainWoman = Target(false, false, false, 0, 0);
    const TargetContext everything = Target(true, true, true, 3, 2);
    struct Case {
        std::uint32_t conditions;
        TargetContext target;
        bool fits;
    };
    const Case cases[] = {
        {0x0000, plainWoman, true},
        {0x0001, plainWoman, true},
        {0x0001, plainMan, false},
        {0x0002, plainMan, true},
        {0x0002, plainWoman, false},
        {0x0034, Target(true, true, false, 0, 0), true},   // gang alone is enough
        {0x0034, Target(true, false, false, 1, 0), true},  // one living ped nearby
        {0x0034, Target(true, false, false, 0, 1), true},  // one body nearby
        {0x0034, Target(true, false, true, 0, 0), false},  // the group is not one of its alternatives
        {0x0034, plainMan, false},
        {0x0022, Target(true, false, false, 0, 1), true},  // male and a body nearby
        {0x0022, Target(true, true, false, 5, 0), false},  // male but no body
        {0x0022, Target(false, false, false, 0, 1), false},
        {0x0008, Target(false, false, true, 0, 0), true},
        {0x0080, everything, false},                       // Law alone never fits a taunt at a target
        {0x0400, everything, false},                       // neither does a tone tag alone
        {0x00A0, Target(true, false, false, 0, 1), true},  // Law beside an alternative that holds
        {0x0002, TargetContext{}, true},                   // a vanished target counts as a man
        {0x0001, TargetContext{}, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LineMatchesTarget(Row(c.conditions), c.target), c.fits) << "case " << (&c - cases);
    }
}

CombatContext Fight(std::int32_t hostiles, bool law, bool deadNearby, bool playerHurt, bool playerGaveHit) {
    CombatContext combat;
    combat.mode = CombatMode::Melee;
    combat.hostileCount = hostiles;
    combat.law = law;
    combat.deadNearby = deadNearby;
    combat.playerHurt = playerHurt;
    combat.playerGaveHit = playerGaveHit;
    return combat;
}

TEST(LineMatchesCombat, RequiresEveryFightBitAndIgnoresTheRest) {
    struct Case {
        std::uint32_t conditions;
        CombatContext combat;
        bool fits;
    };
    const Case cases[] = {
        {0x0100, Fight(1, false, false, false, false), true},  // SingleEnemy
        {0x0100, Fight(2, false, false, false, false), false},
        {0x0100, Fight(0, false, false, false, false), false},
        {0x0200, Fight(2, false, false, false, false), true},  // MultipleEnemies
        {0x0200, Fight(1, false, false, false, false), false},
        {0x0080, Fight(1, true, false, false, false), true},  // Law
        {0x0080, Fight(1, false, false, false, false), false},
        {0x0020, Fight(1, false, true, false, false), true},  // DeadNearby
        {0x0020, Fight(1, false, false, false, false), false},
        {0x1000, Fight(1, false, false, true, false), true},  // PlayerHurt
        {0x1000, Fight(1, false, false, false, false), false},
        {0x1A00, Fight(3, false, false, true, false), true},  // hurt among several, negative tone
        {0x1A00, Fight(1, false, false, true, false), false},
        {0x2000, Fight(1, false, false, false, true), true},  // PlayerGaveHit
        {0x2000, Fight(1, false, false, true, false), false},
        {0x0880, Fight(2, true, false, false, false), true},
        {0x0001, Fight(1, false, false, false, false), true},   // a female-only row fits a fight against men
        {0x0C34, Fight(0, false, false, false, false), false},  // DeadNearby is read...
        {0x0C14, Fight(0, false, false, false, false), true},   // ...tone tags and target bits are not
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LineMatchesCombat(Row(c.conditions), c.combat), c.fits) << "case " << (&c - cases);
    }
}

}  // namespace
}  // namespace quillomar
