#pragma once
// Values read from a scenario file, each checked for its type and range before it is converted,
// so no file can make the reader guess: what does not fit says which key wanted what, and what
// it was given instead.

#include <cstdint>
#include <initializer_list>
#include <nlohmann/json.hpp>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "game.h"

namespace sim {

using Json = nlohmann::json;

// A scenario that cannot be played, and why.
struct ScenarioError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The value as the file gave it, shortened, for messages.
std::string Shown(const Json& value);

bool ReadFlag(const Json& value, std::string_view key);
// A whole number from min to max; noun names it in the message ("a whole number of frames").
std::int64_t ReadWhole(const Json& value, std::string_view key, std::int64_t min, std::int64_t max,
                       std::string_view noun = "a whole number");
std::int32_t ReadHandle(const Json& value, std::string_view key);
// A 32-bit hash: a whole number, or "0x" and one to eight hex digits.
std::uint32_t ReadHash(const Json& value, std::string_view key);
// A number a float holds, or "inf", "-inf" or "nan" as the trace writes them.
float ReadFloat(const Json& value, std::string_view key);
Vec3 ReadVec3(const Json& value, std::string_view key);
std::vector<std::int32_t> ReadHandles(const Json& value, std::string_view key);
std::string ReadText(const Json& value, std::string_view key);

// Checks that value is an object whose keys are all among allowed; what names it in messages.
void CheckObject(const Json& value, std::string_view what, std::span<const std::string_view> allowed);
inline void CheckObject(const Json& value, std::string_view what, std::initializer_list<std::string_view> allowed) {
    CheckObject(value, what, std::span<const std::string_view>(allowed.begin(), allowed.size()));
}
void CheckArray(const Json& value, std::string_view key);

}  // namespace sim
