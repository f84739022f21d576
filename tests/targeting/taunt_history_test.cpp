// A ped may be taunted again 15 s after its last taunt, across the tick count's wrap, or at once
// when it has died since; peds that are gone are forgotten more than 30 s after the last prune.

#include "targeting/taunt_history.h"

#include <gtest/gtest.h>

#include "sim_support.h"

namespace quillomar {
namespace {

constexpr Ped kPed = 5;

bool At(std::uint32_t tick, auto&& question) {
    sim::TheGame().clock.tick = tick;
    return question();
}

TEST(TauntHistory, HoldsAPedOffFor15sUnlessItDiesAndForgetsTheGoneAfter30s) {
    for (std::uint32_t start : {40000u, 0xFFFFF000u}) {
        test::FreshWorld().peds[kPed] = {};
        TauntHistory history;
        At(start, [&] {
            RecordTaunt(history, kPed);
            return true;
        });
        EXPECT_FALSE(At(start + 14999, [&] { return CanTauntPed(history, kPed); })) << start;
        EXPECT_TRUE(At(start + 15000, [&] { return CanTauntPed(history, kPed); })) << start;
        sim::TheGame().world.peds[kPed].dead = true;
        EXPECT_TRUE(At(start + 1, [&] { return CanTauntPed(history, kPed); })) << "died since";
    }
    test::FreshWorld().peds[kPed] = {};
    TauntHistory history;
    At(40000, [&] {
        RecordTaunt(history, kPed);
        return true;
    });  // prunes, and marks the time
    sim::TheGame().world.peds.erase(kPed);
    At(70000, [&] {
        RecordTaunt(history, 6);
        return true;
    });
    EXPECT_NE(FindTauntRecord(history, kPed), nullptr) << "exactly 30 s after the last prune";
    At(70001, [&] {
        RecordTaunt(history, 6);
        return true;
    });
    EXPECT_EQ(FindTauntRecord(history, kPed), nullptr);
}

TEST(TauntHistory, KeepsAtMostItsBoundOfPedsForgettingTheLongestAgoTaunt) {
    sim::World& world = test::FreshWorld();
    TauntHistory history;
    for (Ped ped = 1000; ped <= 1000 + static_cast<Ped>(kMaxTauntRecords); ++ped) {
        world.peds[ped] = {};
        sim::TheGame().clock.tick = 50000u + static_cast<std::uint32_t>(ped);
        RecordTaunt(history, ped);
    }
    EXPECT_EQ(history.records.size(), kMaxTauntRecords);
    EXPECT_EQ(FindTauntRecord(history, 1000), nullptr);  // taunted longest ago
}

}  // namespace
}  // namespace quillomar
