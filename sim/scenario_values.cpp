#include "scenario_values.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace sim {
namespace {

[[noreturn]] void Needs(std::string_view key, std::string_view what, const Json& value) {
    throw ScenarioError("\"" + std::string(key) + "\" needs " + std::string(what) + ", not " + Shown(value));
}

bool IsHexDigit(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

}  // namespace

std::string Shown(const Json& value) {
    constexpr std::size_t kLongest = 60;
    std::string text = value.dump(-1, ' ', false, Json::error_handler_t::replace);
    return text.size() <= kLongest ? text : text.substr(0, kLongest) + "...";
}

bool ReadFlag(const Json& value, std::string_view key) {
    if (!value.is_boolean()) Needs(key, "true or false", value);
    return value.get<bool>();
}

std::int64_t ReadWhole(const Json& value, std::string_view key, std::int64_t min, std::int64_t max,
                       std::string_view noun) {
    std::string what = std::string(noun) + ", " + std::to_string(min) + " to " + std::to_string(max);
    if (value.is_number_unsigned()) {
        std::uint64_t number = value.get<std::uint64_t>();
        if (number > static_cast<std::uint64_t>(max)) Needs(key, what, value);
        return static_cast<std::int64_t>(number);
    }
    if (value.is_number_integer()) {
        std::int64_t number = value.get<std::int64_t>();
        if (number < min || number > max) Needs(key, what, value);
        return number;
    }
    if (value.is_number_float()) {
        // A whole number written with a fraction part of zero, or an exponent, is still whole.
        double number = value.get<double>();
        if (!std::isfinite(number) || std::floor(number) != number || number < static_cast<double>(min) ||
            number > static_cast<double>(max)) {
            Needs(key, what, value);
        }
        return static_cast<std::int64_t>(number);
    }
    Needs(key, what, value);
}

std::int32_t ReadHandle(const Json& value, std::string_view key) {
    return static_cast<std::int32_t>(ReadWhole(value, key, std::numeric_limits<std::int32_t>::min(),
                                               std::numeric_limits<std::int32_t>::max(), "a handle"));
}

std::uint32_t ReadHash(const Json& value, std::string_view key) {
    constexpr const char* kWhat = "a hash, 0 to 4294967295 or \"0x\" and 1 to 8 hex digits";
    if (!value.is_string()) {
        if (!value.is_number()) Needs(key, kWhat, value);
        return static_cast<std::uint32_t>(ReadWhole(value, key, 0, 0xFFFFFFFF, "a hash"));
    }
    const std::string& text = value.get_ref<const std::string&>();
    if (text.size() < 3 || text.size() > 10 || text.compare(0, 2, "0x") != 0 ||
        !std::all_of(text.begin() + 2, text.end(), IsHexDigit)) {
        Needs(key, kWhat, value);
    }
    return static_cast<std::uint32_t>(std::stoul(text.substr(2), nullptr, 16));
}

float ReadFloat(const Json& value, std::string_view key) {
    constexpr const char* kWhat = "a number of at most 3.4e38 either way, or \"inf\", \"-inf\" or \"nan\"";
    if (value.is_string()) {
        const std::string& text = value.get_ref<const std::string&>();
        if (text == "inf") return std::numeric_limits<float>::infinity();
        if (text == "-inf") return -std::numeric_limits<float>::infinity();
        if (text == "nan") return std::numeric_limits<float>::quiet_NaN();
        Needs(key, kWhat, value);
    }
    if (!value.is_number()) Needs(key, kWhat, value);
    double number = value.get<double>();
    if (!(std::fabs(number) <= std::numeric_limits<float>::max())) Needs(key, kWhat, value);
    return static_cast<float>(number);
}

Vec3 ReadVec3(const Json& value, std::string_view key) {
    if (!value.is_array() || value.size() != 3) Needs(key, "[x, y, z]", value);
    return {ReadFloat(value[0], key), ReadFloat(value[1], key), ReadFloat(value[2], key)};
}

std::vector<std::int32_t> ReadHandles(const Json& value, std::string_view key) {
    CheckArray(value, key);
    std::vector<std::int32_t> handles;
    for (const Json& handle : value) handles.push_back(ReadHandle(handle, key));
    return handles;
}

std::string ReadText(const Json& value, std::string_view key) {
    if (!value.is_string()) Needs(key, "a text", value);
    return value.get<std::string>();
}

void CheckObject(const Json& value, std::string_view what, std::span<const std::string_view> allowed) {
    if (!value.is_object()) throw ScenarioError(std::string(what) + " needs to be an object, not " + Shown(value));
    for (const auto& [key, item] : value.items()) {
        if (std::find(allowed.begin(), allowed.end(), key) == allowed.end())
            throw ScenarioError(std::string(what) + " takes no \"" + key + "\"");
    }
}

void CheckArray(const Json& value, std::string_view key) {
    if (!value.is_array()) Needs(key, "a list", value);
}

}  // namespace sim
