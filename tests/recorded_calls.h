#pragma once
// Native calls as a test states them: the hash and every pushed slot, with a text argument
// compared by its text, so that an exact sequence can be asserted and printed readably.

#include <bit>
#include <cstdint>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "game.h"
#include "sim_support.h"

namespace test {

struct Call {
    Call(std::uint64_t hash, std::vector<std::uint64_t> slots, std::string text = {})
        : hash(hash), slots(std::move(slots)), text(std::move(text)) {}

    std::uint64_t hash = 0;
    std::vector<std::uint64_t> slots;  // a text argument's slot reads 0
    std::string text;                  // the text argument, when there is one
    bool operator==(const Call&) const = default;
};

inline std::uint64_t Slot(std::int32_t value) { return static_cast<std::uint32_t>(value); }
inline std::uint64_t Slot(float value) { return std::bit_cast<std::uint32_t>(value); }

inline void PrintTo(const Call& call, std::ostream* out) {
    const char* name = sim::NativeName(call.hash);
    *out << (name != nullptr ? name : "unknown native") << "(";
    for (std::size_t i = 0; i < call.slots.size(); ++i)
        *out << (i > 0 ? ", " : "") << "0x" << std::hex << call.slots[i];
    if (!call.text.empty()) *out << ", \"" << call.text << "\"";
    *out << std::dec << ")";
}

// The calls recorded since the last ClearCalls, in order.
inline std::vector<Call> RecordedCalls() {
    std::vector<Call> calls;
    for (const sim::RecordedCall& recorded : Calls()) {
        Call call{recorded.hash, {}, {}};
        for (const sim::RecordedArg& arg : recorded.args) {
            bool text = arg.kind == sim::RecordedArg::Kind::Text;
            call.slots.push_back(text ? 0 : arg.slot);
            if (text) call.text = arg.text;
        }
        calls.push_back(std::move(call));
    }
    return calls;
}

// The recorded calls of the given natives only, in order.
inline std::vector<Call> RecordedCallsOf(const std::vector<std::uint64_t>& hashes) {
    std::vector<Call> calls;
    for (Call& call : RecordedCalls()) {
        for (std::uint64_t hash : hashes) {
            if (call.hash == hash) calls.push_back(call);
        }
    }
    return calls;
}

}  // namespace test
