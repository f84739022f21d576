#include <gtest/gtest.h>

#include "speech/line_choice.h"

namespace quillomar {
namespace {

using C = LineCondition;

SpeechLine Row(std::uint32_t conditions) { return {"ROW", conditions, false, 0, nullptr}; }

TEST(LineMatchesTarget, TreatsSexBitsAsRequirementsAndSurroundingsAsAlternatives) {
    const TargetContext man{.male = true};
    const TargetContext woman{.female = true, .male = false};
    const TargetContext everything{.male = true, .gang = true, .relGroupMatch = true, .nearbyPeds = 3, .nearbyDead = 2};
    constexpr std::uint32_t kAnyCompany = C::TargetGang | C::PedsNearby | C::DeadNearby;
    struct Case {
        std::uint32_t conditions;
        TargetContext target;
        bool fits;
    };
    const Case cases[] = {
        {0, woman, true},
        {C::TargetFemale, woman, true},
        {C::TargetFemale, man, false},
        {C::TargetMale, man, true},
        {C::TargetMale, woman, false},
        {kAnyCompany, {.male = true, .gang = true}, true},  // gang alone is enough
        {kAnyCompany, {.male = true, .nearbyPeds = 1}, true},
        {kAnyCompany, {.male = true, .nearbyDead = 1}, true},
        {kAnyCompany, {.male = true, .relGroupMatch = true}, false},  // the group is not one of its alternatives
        {kAnyCompany, man, false},
        {C::TargetMale | C::DeadNearby, {.male = true, .nearbyDead = 1}, true},
        {C::TargetMale | C::DeadNearby, {.male = true, .gang = true, .nearbyPeds = 5}, false},  // male but no body
        {C::TargetRelGroup, {.female = true, .male = false, .relGroupMatch = true}, true},
        {C::Law, everything, false},                                      // Law alone never fits a taunt at a target
        {C::PositiveTag, everything, false},                              // neither does a tone tag alone
        {C::Law | C::DeadNearby, {.male = true, .nearbyDead = 1}, true},  // Law beside an alternative that holds
        {C::TargetMale, TargetContext{}, true},                           // a vanished target counts as a man
        {C::TargetFemale, TargetContext{}, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LineMatchesTarget(Row(c.conditions), c.target), c.fits) << "case " << (&c - cases);
    }
}

TEST(LineMatchesCombat, RequiresEveryFightBitAndIgnoresTheRest) {
    struct Case {
        std::uint32_t conditions;
        CombatContext combat;
        bool fits;
    };
    const Case cases[] = {
        {C::SingleEnemy, {.hostileCount = 1}, true},
        {C::SingleEnemy, {.hostileCount = 2}, false},
        {C::SingleEnemy, {.hostileCount = 0}, false},
        {C::MultipleEnemies, {.hostileCount = 2}, true},
        {C::MultipleEnemies, {.hostileCount = 1}, false},
        {C::Law, {.hostileCount = 1, .law = true}, true},
        {C::Law, {.hostileCount = 1}, false},
        {C::DeadNearby, {.hostileCount = 1, .deadNearby = true}, true},
        {C::DeadNearby, {.hostileCount = 1}, false},
        {C::PlayerHurt, {.hostileCount = 1, .playerHurt = true}, true},
        {C::PlayerHurt, {.hostileCount = 1}, false},
        {C::PlayerHurt | C::MultipleEnemies | C::NegativeTag, {.hostileCount = 3, .playerHurt = true}, true},
        {C::PlayerGaveHit, {.hostileCount = 1, .playerGaveHit = true}, true},
        {C::TargetFemale, {.hostileCount = 1}, true},  // a female-only row fits a fight against men
        // DeadNearby is read; tone tags and target bits are not.
        {C::PositiveTag | C::NegativeTag | C::DeadNearby | C::PedsNearby | C::TargetGang, {}, false},
        {C::PositiveTag | C::NegativeTag | C::PedsNearby | C::TargetGang, {}, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LineMatchesCombat(Row(c.conditions), c.combat), c.fits) << "case " << (&c - cases);
    }
}

}  // namespace
}  // namespace quillomar
