// A ped may be taunted again 15 s after its last taunt, across the tick count's wrap, or at once
// when it has died since; peds that are gone are forgotten more than 30 s after the last prune.

#include "targeting/taunt_history.h"

#include <gtest/gtest.h>

#include "sim_support.h"

namespace quillomar {
namespace {

constexpr Ped kPed = 5;

bool CanTauntAt(std::uint32_t tick, const TauntHistory& history, Ped ped) {
    sim::TheGame().clock.tick = tick;
    return CanTauntPed(history, ped);
}

void RecordAt(std::uint32_t tick, TauntHistory& history, Ped ped) {
    sim::TheGame().clock.tick = tick;
    RecordTaunt(history, ped);
}

TEST(TauntHistory, HoldsAPedOffFor15sUnlessItDiesAndForgetsTheGoneAfter30s) {
    for (std::uint32_t start : {40000u, 0xFFFFF000u}) {
        test::FreshWorld().peds[kPed] = {};
        TauntHistory history;
        RecordAt(start, history, kPed);
        EXPECT_FALSE(CanTauntAt(start + 14999, history, kPed)) << start;
        EXPECT_TRUE(CanTauntAt(start + 15000, history, kPed)) << start;
        sim::TheGame().world.peds[kPed].dead = true;
        EXPECT_TRUE(CanTauntAt(start + 1, history, kPed)) << "died since";
    }
    test::FreshWorld().peds[kPed] = {};
    TauntHistory history;
    RecordAt(40000, history, kPed);  // prunes, and marks the time
    sim::TheGame().world.peds.erase(kPed);
    RecordAt(70000, history, 6);
    EXPECT_NE(FindTauntRecord(history, kPed), nullptr) << "exactly 30 s after the last prune";
    RecordAt(70001, history, 6);
    EXPECT_EQ(FindTauntRecord(history, kPed), nullptr);
}

TEST(TauntHistory, KeepsAtMostItsBoundOfPedsForgettingTheLongestAgoTaunt) {
    sim::World& world = test::FreshWorld();
    TauntHistory history;
    const Ped first = 1000 + static_cast<Ped>(kMaxTauntRecords);  // each ped after it has a lower handle
    for (Ped ped = first; ped >= 1000; --ped) {
        world.peds[ped] = {};
        RecordAt(50000u - static_cast<std::uint32_t>(ped), history, ped);
    }
    EXPECT_EQ(history.records.size(), kMaxTauntRecords);
    EXPECT_EQ(FindTauntRecord(history, first), nullptr);  // taunted longest ago
    EXPECT_NE(FindTauntRecord(history, first - 1), nullptr);
}

}  // namespace
}  // namespace quillomar
