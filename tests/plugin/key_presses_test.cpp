// Key presses from the window thread: one a key going down, none for its repeats or release, the
// modifiers Windows holds with it, and none lost or counted twice while frames take them on another thread
// (the tsan preset runs this under ThreadSanitizer).

#include "plugin/key_presses.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

namespace quillomar {
namespace {

constexpr std::uint32_t kF9 = 0x78;

struct Message {
    std::uint32_t code;
    std::uint8_t held;  // CTRL and SHIFT in Windows' key state
    std::int32_t alt, wasDown, isUp;
};

std::vector<KeyBinding> TakeAll() {
    std::vector<KeyBinding> taken(kKeyPressCapacity);
    taken.resize(TakeKeyPresses(taken));
    return taken;
}

TEST(NoteKeyMessage, MakesAPressOfAKeyGoingDownWithTheModifiersWindowsHolds) {
    struct Case {
        std::vector<Message> messages;
        std::vector<std::uint8_t> modifiers;  // of each press, in order
    };
    const Case cases[] = {
        {{{kF9, 0, 0, 0, 0}, {kF9, 0, 0, 1, 0}, {kF9, 0, 0, 1, 0}, {kF9, 0, 0, 1, 1}}, {0}},  // held down: one press
        {{{0x11, 1, 0, 0, 0}, {kF9, 1, 0, 0, 0}, {kF9, 1, 0, 1, 1}, {0x11, 0, 0, 1, 1}, {kF9, 0, 0, 0, 0}}, {1, 0}},
        {{{0xA1, 2, 0, 0, 0}, {0xA3, 3, 0, 0, 0}, {kF9, 3, 1, 0, 0}, {0xA3, 2, 0, 1, 1}, {0xA1, 0, 0, 1, 1}}, {7}},
        {{{0x11, 1, 0, 0, 0}, {kF9, 0, 0, 0, 0}}, {0}},  // CTRL's release went to another window
        {{{0x12, 0, 1, 0, 0}, {0x12, 0, 0, 1, 1}, {0x10, 2, 0, 0, 0}, {0x10, 0, 0, 1, 1}}, {}},  // modifiers alone
        {{{0, 0, 0, 0, 0}, {256, 0, 0, 0, 0}, {kF9, 0, 0, 0, 1}}, {}},
    };
    for (const Case& c : cases) {
        TakeAll();
        for (const Message& m : c.messages) NoteKeyMessage(m.code, m.held, m.alt, m.wasDown, m.isUp);
        const std::vector<KeyBinding> presses = TakeAll();
        ASSERT_EQ(presses.size(), c.modifiers.size());
        for (std::size_t i = 0; i < presses.size(); ++i) {
            EXPECT_EQ(presses[i].code, kF9);
            EXPECT_EQ(presses[i].modifiers, c.modifiers[i]) << i;
        }
    }
    EXPECT_TRUE(Matches({kF9, 1}, {kF9, 1}));
    EXPECT_FALSE(Matches({kF9, 1}, {kF9, 0}));  // F9 is not CTRL+F9
    EXPECT_FALSE(Matches({0, 0}, {}));          // no key set matches nothing
}

TEST(TakeKeyPresses, KeepsTheFirstPressesThatFitAndDropsTheRestWhenTheRingIsFull) {
    TakeAll();
    for (std::uint32_t i = 0; i <= kKeyPressCapacity; ++i) NoteKeyMessage('A' + i % 26, 0, 0, 0, 0);
    const std::vector<KeyBinding> presses = TakeAll();
    ASSERT_EQ(presses.size(), kKeyPressCapacity);
    for (std::uint32_t i = 0; i < kKeyPressCapacity; ++i) EXPECT_EQ(presses[i].code, 'A' + i % 26) << i;
    EXPECT_TRUE(TakeAll().empty());
}

TEST(TakeKeyPresses, LosesNoPressAndCountsNoneTwiceWhileAnotherThreadPresses) {
    TakeAll();
    constexpr std::uint32_t kPresses = 20000;
    constexpr std::uint32_t kBurst = kKeyPressCapacity / 2;  // never more between two takes than the ring holds
    std::atomic<std::uint32_t> taken{0};
    std::thread window([&] {
        for (std::uint32_t i = 0; i < kPresses; ++i) {
            while (taken.load() + kBurst <= i) std::this_thread::yield();
            const std::uint32_t code = 'A' + i % 26;
            NoteKeyMessage(code, 0, 0, 0, 0);
            NoteKeyMessage(code, 0, 0, 1, 0);  // a repeat
            NoteKeyMessage(code, 0, 0, 1, 1);
        }
    });
    std::uint32_t next = 0;
    bool inOrder = true;
    while (next < kPresses) {
        for (const KeyBinding& press : TakeAll()) {
            inOrder = inOrder && press.code == 'A' + next % 26;
            ++next;  // counted whatever the order, so a wrong one fails rather than hangs
        }
        taken.store(next);
    }
    window.join();
    EXPECT_TRUE(inOrder);
    EXPECT_EQ(next, kPresses);
    EXPECT_TRUE(TakeAll().empty());
}

}  // namespace
}  // namespace quillomar
