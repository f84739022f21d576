#include "platform/ini_reader.h"

#include <algorithm>
#include <cstring>

namespace quillomar::ini {
namespace {

// Windows counts the DOS end-of-file mark as a blank too.
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r' || c == 0x1A; }

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return Lower(x) == Lower(y); });
}

// Splits off the next line; a line ends at any run of CR and LF characters.
std::string_view NextLine(std::string_view& text) {
    std::size_t end = text.find_first_of("\r\n");
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(0, end);
    std::size_t next = text.find_first_not_of("\r\n", end);
    text.remove_prefix(next == std::string_view::npos ? text.size() : next);
    return line;
}

// The name inside a section header, up to the last closing bracket; nothing if it is not one.
std::optional<std::string_view> SectionName(std::string_view line) {
    if (line.empty() || line.front() != '[') return std::nullopt;
    std::size_t close = line.rfind(']');
    if (close == std::string_view::npos || close == 0) return std::nullopt;
    return line.substr(1, close - 1);
}

struct KeyLine {
    std::string_view name;
    std::optional<std::string_view> value;
};

KeyLine SplitKeyLine(std::string_view line) {
    std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) return {line, std::nullopt};
    return {Trim(line.substr(0, equals)), Trim(line.substr(equals + 1))};
}

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// Copies at most size - 1 characters of value and drops one pair of matching quotes around it,
// the way the private-profile reader does (including its cut of the last character when the
// closing quote itself did not fit).
std::uint32_t CopyValue(std::string_view value, char* buffer, std::uint32_t size) {
    bool quoted = value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front();
    if (quoted) value.remove_prefix(1);
    std::size_t length = std::min<std::size_t>(value.size(), size - 1);
    std::memcpy(buffer, value.data(), length);
    buffer[length] = '\0';
    if (quoted && size >= value.size() && length > 0) buffer[--length] = '\0';
    return static_cast<std::uint32_t>(length);
}

// The integer read looks at no more than this many characters of the value.
constexpr std::size_t kIntegerTextLimit = 29;

}  // namespace

std::optional<std::string_view> FindValue(std::string_view text, std::string_view section, std::string_view key) {
    if (text.starts_with(kUtf8ByteOrderMark)) text.remove_prefix(kUtf8ByteOrderMark.size());
    section = Trim(section);
    key = Trim(key);
    bool inSection = false;
    bool sectionSeen = false;
    while (!text.empty()) {
        std::string_view line = Trim(NextLine(text));
        if (line.empty()) continue;
        if (std::optional<std::string_view> name = SectionName(line)) {
            // Only the first section of a name counts; a later one of the same name is not read.
            if (inSection) return std::nullopt;
            inSection = !sectionSeen && SameName(*name, section);
            sectionSeen = sectionSeen || inSection;
            continue;
        }
        if (!inSection) continue;
        KeyLine keyLine = SplitKeyLine(line);
        if (SameName(keyLine.name, key)) return keyLine.value;
    }
    return std::nullopt;
}

std::uint32_t ReadString(std::string_view text, std::string_view section, std::string_view key,
                         std::string_view defaultText, char* buffer, std::uint32_t size) {
    if (buffer == nullptr || size == 0) return 0;
    while (!defaultText.empty() && defaultText.back() == ' ') defaultText.remove_suffix(1);
    std::optional<std::string_view> value = FindValue(text, section, key);
    return CopyValue(value ? *value : defaultText, buffer, size);
}

std::uint32_t ParseInt(std::string_view value) {
    value = value.substr(0, std::min(value.size(), kIntegerTextLimit));
    while (!value.empty() && static_cast<unsigned char>(value.front()) <= ' ') value.remove_prefix(1);
    bool negative = false;
    if (!value.empty() && (value.front() == '+' || value.front() == '-')) {
        negative = value.front() == '-';
        value.remove_prefix(1);
    }
    std::uint32_t base = 10;
    if (value.size() >= 2 && value[0] == '0') {
        if (value[1] == 'x') base = 16;
        if (value[1] == 'o') base = 8;
        if (value[1] == 'b') base = 2;
        if (base != 10) value.remove_prefix(2);
    }
    std::uint32_t total = 0;  // wraps on overflow, as the platform's parse does
    for (char c : value) {
        std::uint32_t digit = 99;
        if (c >= '0' && c <= '9') digit = static_cast<std::uint32_t>(c - '0');
        if (c >= 'a' && c <= 'z') digit = static_cast<std::uint32_t>(c - 'a' + 10);
        if (c >= 'A' && c <= 'Z') digit = static_cast<std::uint32_t>(c - 'A' + 10);
        if (digit >= base) break;
        total = total * base + digit;
    }
    return negative ? 0u - total : total;
}

std::uint32_t ReadInt(std::string_view text, std::string_view section, std::string_view key,
                      std::int32_t defaultValue) {
    char buffer[kIntegerTextLimit + 1];
    if (ReadString(text, section, key, "", buffer, sizeof buffer) == 0) {
        return static_cast<std::uint32_t>(defaultValue);
    }
    return ParseInt(buffer);
}

}  // namespace quillomar::ini
