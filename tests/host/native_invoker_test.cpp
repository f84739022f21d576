#include "host/native_invoker.h"

#include <gtest/gtest.h>

#include "host/native_hashes.h"
#include "host/natives.h"
#include "sim_support.h"

namespace quillomar {
namespace {

TEST(NativeInvoker, PushesEachArgumentKindInItsSlotForm) {
    const char* text = "Taunt";
    struct Case {
        std::uint64_t slot;
        std::uint64_t expected;
    } cases[] = {
        {invoker::ToSlot(std::int32_t{-1}), 0x00000000FFFFFFFFu},
        {invoker::ToSlot(std::int32_t{327}), 327u},
        {invoker::ToSlot(std::uint32_t{0xDFF812F9}), 0xDFF812F9u},
        {invoker::ToSlot(true), 1u},
        {invoker::ToSlot(false), 0u},
        {invoker::ToSlot(0.01f), 0x3C23D70Au},
        {invoker::ToSlot(-2.0f), 0xC0000000u},
        {invoker::ToSlot(static_cast<const void*>(text)), reinterpret_cast<std::uintptr_t>(text)},
    };
    for (const Case& c : cases) EXPECT_EQ(c.slot, c.expected);
}

TEST(NativeInvoker, ReadsResultsFromTheLowHalvesOfTheSlots) {
    const std::uint64_t slots[3] = {0xDEADBEEF3FC00000u, 0xFFFFFFFF40000000u, 0x00000001C0400000u};
    EXPECT_EQ(invoker::ReadFloat(slots), 1.5f);
    EXPECT_EQ(invoker::ReadInt(slots), 0x3FC00000);
    EXPECT_EQ(invoker::ReadHash(slots), 0x3FC00000u);
    EXPECT_TRUE(invoker::ReadBool(slots));
    EXPECT_EQ(invoker::ReadPointer(slots), 0xDEADBEEF3FC00000u);
    Vector3 v = invoker::ReadVector(slots);
    EXPECT_EQ(v.x, 1.5f);
    EXPECT_EQ(v.y, 2.0f);
    EXPECT_EQ(v.z, -3.0f);

    const std::uint64_t negative[1] = {0x00000000FFFFFFFEu};
    EXPECT_EQ(invoker::ReadInt(negative), -2);
    const std::uint64_t highBitsOnly[1] = {0xFFFFFFFF00000000u};
    EXPECT_FALSE(invoker::ReadBool(highBitsOnly));
}

TEST(NativeInvoker, AHostWithoutAResultBufferReadsAsZero) {
    EXPECT_EQ(invoker::ReadInt(nullptr), 0);
    EXPECT_FALSE(invoker::ReadBool(nullptr));
    Vector3 v = invoker::ReadVector(nullptr);
    EXPECT_EQ(v.x + v.y + v.z, 0.0f);
}

TEST(NativeInvoker, SendsTheHashAndArgumentsInPushOrder) {
    test::ScopedDirectory dir;
    test::StartPluginInSim();
    EXPECT_TRUE(IsPedDeadOrDying(-1) == false);
    ASSERT_EQ(test::Calls().size(), 1u);
    const sim::RecordedCall& call = test::Calls()[0];
    EXPECT_EQ(call.hash, native::IS_PED_DEAD_OR_DYING);
    ASSERT_EQ(call.args.size(), 2u);
    EXPECT_EQ(call.args[0].slot, 0x00000000FFFFFFFFu);
    EXPECT_EQ(call.args[1].slot, 1u);
}

}  // namespace
}  // namespace quillomar
