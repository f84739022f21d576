#include "chaos.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>
#include <limits>

namespace sim {
namespace {

std::uint64_t gChaos = 0;
std::span<const std::uint8_t> gBytes;
bool gFromBytes = false;

// xorshift64*: small, fast and repeatable; or the stream, as many bytes as the draw needs, so
// that a fuzzer's input goes far.
std::uint64_t Next(std::size_t bytes = 8) {
    if (gFromBytes) {
        std::uint64_t value = 0;
        std::size_t taken = std::min(bytes, gBytes.size());
        for (std::size_t i = 0; i < taken; ++i) value |= std::uint64_t{gBytes[i]} << (8 * i);
        gBytes = gBytes.subspan(taken);
        return value;
    }
    gChaos ^= gChaos >> 12;
    gChaos ^= gChaos << 25;
    gChaos ^= gChaos >> 27;
    return gChaos * 0x2545F4914F6CDD1Dull;
}

std::uint32_t OddValue() {
    static const std::uint32_t kOdd[] = {
        0u,
        1u,
        2u,
        4u,
        0xFFFFFFFFu,
        0x7FFFFFFFu,
        0x80000000u,
        40u,
        327u,
        std::bit_cast<std::uint32_t>(std::numeric_limits<float>::infinity()),
        std::bit_cast<std::uint32_t>(-std::numeric_limits<float>::infinity()),
        std::bit_cast<std::uint32_t>(std::numeric_limits<float>::quiet_NaN()),
        std::bit_cast<std::uint32_t>(3.4e38f),
        std::bit_cast<std::uint32_t>(-0.0f),
        std::bit_cast<std::uint32_t>(1.8f),
        std::bit_cast<std::uint32_t>(25.0f),
    };
    std::uint64_t pick = Next(2);
    if (pick % 3 == 0) return static_cast<std::uint32_t>(Next(4));  // anything at all
    return kOdd[(pick >> 8) % (sizeof kOdd / sizeof kOdd[0])];
}

// A slot as the game might leave it: an odd 32-bit value, now and then with junk above it.
std::uint64_t OddSlot() {
    std::uint64_t high = Next(1) % 4 == 0 ? Next(4) << 32 : 0;
    return high | OddValue();
}

void ScrambleOut(NativeCall& call, std::size_t i, char param) {
    std::uint64_t slots[kMaxOutSlots];
    std::uint32_t count = OutSlots(param, call.args[i]);
    std::size_t first = param == 'n' ? 1 : 0;  // the nearby-ped buffer's capacity stays
    for (std::uint32_t k = 0; k < count; ++k) slots[k] = OddSlot();
    if (count > first) call.WriteOut(i, {slots, count - first}, first);
}

// A native that makes something answers its handle. When that answer goes strange, the game
// made nothing: the plug-in could never delete or read what it was not told of, and the game's
// tables must not fill with it.
void ForgetWhatWasMade(Game& game, std::uint64_t hash, std::int32_t made) {
    if (hash == quillomar::native::UI_PROMPT_REGISTER_BEGIN) game.prompts.erase(made);
    if (hash == quillomar::native::START_EXPENSIVE_SYNCHRONOUS_SHAPE_TEST_LOS_PROBE) game.probes.erase(made);
}

}  // namespace

std::span<const char* const> OddSettingValues() {
    static const char* const kValues[] = {
        "",
        "0",
        "1",
        "-1",
        "2",
        "100",
        "2147483647",
        "-2147483648",
        "4294967295",
        "99999999999",
        "abc",
        "1e999",
        "-1e999",
        "nan",
        "0.001",
        "0.5",
        "-3.75",
        "  7  ",
        "25",
        "3",
        "5",
        "1000",
        "-1000",
        "0x7FFFFFFF",
        "-0x80000000",
        "0xFFFFFFFFFF",
        "INPUT_CONTEXT_A",
        "\"quoted\"",
    };
    return kValues;
}

void SetChaos(std::uint64_t seed) {
    gChaos = seed;
    gFromBytes = false;
    gBytes = {};
}

void SetChaosBytes(std::span<const std::uint8_t> bytes) {
    gBytes = bytes;
    gFromBytes = true;
}

bool ChaosEnabled() { return gFromBytes ? !gBytes.empty() : gChaos != 0; }

std::uint64_t DrawChaos(std::size_t bytes) { return Next(bytes); }

void ScrambleAnswer(NativeCall& call, std::uint64_t hash) {
    // One answer in four goes strange, so that the plug-in still gets past its gates and every
    // stage meets odd values.
    if (Next(1) % 4 != 0) return;
    const std::uint64_t answered = call.results[0];
    for (std::uint64_t& result : call.results) result = OddSlot();
    if (call.results[0] != answered) ForgetWhatWasMade(call.game, hash, static_cast<std::int32_t>(answered));
    for (std::size_t i = 0; i < call.args.size(); ++i) {
        char param = call.params[i];
        if (std::strchr("ovn", param) != nullptr && call.args[i] != 0) ScrambleOut(call, i, param);
    }
}

}  // namespace sim
