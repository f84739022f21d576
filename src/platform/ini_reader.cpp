#include "platform/ini_reader.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "platform/ascii_text.h"

namespace quillomar::ini {
namespace {

// Windows counts the DOS end-of-file mark as a blank too.
constexpr std::string_view kWindowsBlanks = " \t\n\v\f\r\x1A";

std::string_view Trim(std::string_view text) { return Trimmed(text, kWindowsBlanks); }

bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }

// Splits off the next line; a line ends at any run of CR and LF characters. (A plain loop: a
// search for either of two characters costs a library call per character.)
std::string_view NextLine(std::string_view& text) {
    std::size_t end = 0;
    while (end < text.size() && !IsLineEnd(text[end])) ++end;
    std::size_t next = end;
    while (next < text.size() && IsLineEnd(text[next])) ++next;
    std::string_view line = text.substr(0, end);
    text.remove_prefix(next);
    return line;
}

// Names and values end at a NUL byte, as the platform keeps them as C strings after trimming.
std::string_view UpToNul(std::string_view text) { return text.substr(0, text.find('\0')); }

// The name inside a section header, up to the last closing bracket and trimmed; nothing if the
// line is not a header.
std::optional<std::string_view> SectionName(std::string_view line) {
    if (line.empty() || line.front() != '[') return std::nullopt;
    std::size_t close = line.rfind(']');
    if (close == std::string_view::npos || close == 0) return std::nullopt;
    return UpToNul(Trim(line.substr(1, close - 1)));
}

struct KeyLine {
    std::string_view name;
    std::optional<std::string_view> value;
};

KeyLine SplitKeyLine(std::string_view line) {
    std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) return {UpToNul(line), std::nullopt};
    return {UpToNul(Trim(line.substr(0, equals))), UpToNul(Trim(line.substr(equals + 1)))};
}

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeByteOrderMark = "\xFF\xFE";
constexpr std::string_view kUtf16BeByteOrderMark = "\xFE\xFF";

// Windows-1252, the ANSI code page the A functions answer in, where it differs from Latin-1.
constexpr char16_t kWindows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// A character the code page lacks becomes a question mark. (The platform maps some of them to a
// near letter instead, Ā to A; the settings file is ASCII in practice.)
char AnsiChar(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
    const char16_t* found = std::find(std::begin(kWindows1252High), std::end(kWindows1252High), c);
    if (found != std::end(kWindows1252High)) return static_cast<char>(0x80 + (found - kWindows1252High));
    return '?';
}

// Whether a continuation byte may follow a lead of three or four bytes as its second: the ones that
// would make the character overlong, a surrogate or beyond U+10FFFF may not.
bool FitsAfterLead(unsigned char lead, unsigned char second) {
    if (lead == 0xE0) return second >= 0xA0;
    if (lead == 0xED) return second <= 0x9F;
    if (lead == 0xF0) return second >= 0x90;
    if (lead == 0xF4) return second <= 0x8F;
    return true;
}

// One code point of UTF-8; a malformed sequence yields U+FFFD and moves on by one byte, or by two
// when the second is a continuation byte that may not follow its lead: the platform's decoder
// counts those two as one bad character. (With the leads C0, C1 and F5 to FF refused, and the
// second bytes that may follow each lead, no sequence that passes is overlong, a surrogate or
// beyond U+10FFFF.)
char32_t NextUtf8(std::string_view& text) {
    auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    unsigned char lead = byte(0);
    // Bytes 0x80 to 0xC1 and 0xF5 to 0xFF never begin a character.
    std::size_t length = lead < 0x80 ? 1 : lead < 0xC2 ? 0 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : lead < 0xF5 ? 4 : 0;
    if (length >= 3 && text.size() >= 2 && (byte(1) & 0xC0) == 0x80 && !FitsAfterLead(lead, byte(1))) {
        text.remove_prefix(2);
        return U'\uFFFD';
    }
    char32_t c = length == 1 ? lead : length == 2 ? lead & 0x1F : length == 3 ? lead & 0x0F : lead & 0x07;
    bool valid = length != 0 && length <= text.size();
    for (std::size_t i = 1; valid && i < length; ++i) {
        valid = (byte(i) & 0xC0) == 0x80;
        c = (c << 6) | (byte(i) & 0x3F);
    }
    text.remove_prefix(valid ? length : 1);
    return valid ? c : U'\uFFFD';
}

// Decoding goes through UTF-16: a character beyond it is a surrogate pair, two unknown units.
std::string Utf8ToAnsi(std::string_view text) {
    std::string ansi;
    while (!text.empty()) {
        char32_t c = NextUtf8(text);
        ansi += c > 0xFFFF ? "??" : std::string(1, AnsiChar(c));
    }
    return ansi;
}

// A stray last byte is a character of its own code, as the platform reads it.
std::string Utf16ToAnsi(std::string_view text, bool bigEndian) {
    std::string ansi;
    for (std::size_t i = 0; i + 1 < text.size(); i += 2) {
        auto high = static_cast<unsigned char>(text[bigEndian ? i : i + 1]);
        auto low = static_cast<unsigned char>(text[bigEndian ? i + 1 : i]);
        ansi += AnsiChar(static_cast<char32_t>(high << 8 | low));
    }
    if (text.size() % 2 != 0) ansi += AnsiChar(static_cast<unsigned char>(text.back()));
    return ansi;
}

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

std::string_view AnsiText(std::string_view file, std::string& storage) {
    if (file.starts_with(kUtf8ByteOrderMark)) {
        storage = Utf8ToAnsi(file.substr(kUtf8ByteOrderMark.size()));
    } else if (file.starts_with(kUtf16LeByteOrderMark) || file.starts_with(kUtf16BeByteOrderMark)) {
        storage = Utf16ToAnsi(file.substr(2), file.starts_with(kUtf16BeByteOrderMark));
    } else {
        return file;
    }
    return storage;
}

std::optional<std::string_view> FindValue(std::string_view text, std::string_view section, std::string_view key) {
    section = Trim(section);
    key = Trim(key);
    bool inSection = false;
    while (!text.empty()) {
        std::string_view line = Trim(NextLine(text));
        if (line.empty()) continue;
        if (std::optional<std::string_view> name = SectionName(line)) {
            // Only the first section of a name counts: the search ends where it ends.
            if (inSection) return std::nullopt;
            inSection = SameName(*name, section);
            continue;
        }
        if (!inSection) continue;
        KeyLine keyLine = SplitKeyLine(line);
        if (SameName(keyLine.name, key)) return keyLine.value;
    }
    return std::nullopt;
}

std::uint32_t ReadAnsiString(std::string_view ansiText, std::string_view section, std::string_view key,
                             std::string_view defaultText, char* buffer, std::uint32_t size) {
    if (buffer == nullptr || size == 0) return 0;
    while (!defaultText.empty() && defaultText.back() == ' ') defaultText.remove_suffix(1);
    std::optional<std::string_view> value = FindValue(ansiText, section, key);
    return CopyValue(value ? *value : defaultText, buffer, size);
}

std::uint32_t ReadString(std::string_view text, std::string_view section, std::string_view key,
                         std::string_view defaultText, char* buffer, std::uint32_t size) {
    std::string decoded;
    return ReadAnsiString(AnsiText(text, decoded), section, key, defaultText, buffer, size);
}

std::vector<Line> ScanLines(std::string_view text) {
    std::vector<Line> lines;
    std::size_t number = 1;
    while (!text.empty()) {
        std::size_t end = text.find_first_of("\r\n");
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = Trim(text.substr(0, end));
        if (!line.empty()) {
            if (std::optional<std::string_view> name = SectionName(line)) {
                lines.push_back({number, true, *name, std::nullopt, line});
            } else {
                KeyLine keyLine = SplitKeyLine(line);
                lines.push_back({number, false, keyLine.name, keyLine.value, line});
            }
        }
        // The reads treat a run of line ends as one; an editor counts each.
        for (; end < text.size() && (text[end] == '\r' || text[end] == '\n'); ++end) {
            if (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ++end;
            ++number;
        }
        text.remove_prefix(end);
    }
    return lines;
}

namespace {

// The leading integer of a value: decimal, or hex, octal or binary after 0x, 0o or 0b.
std::uint32_t ParseInt(std::string_view value) {
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

}  // namespace

std::uint32_t ReadAnsiInt(std::string_view ansiText, std::string_view section, std::string_view key,
                          std::int32_t defaultValue) {
    char buffer[kIntegerTextLimit + 1];  // the value cut to the characters the parse looks at
    if (ReadAnsiString(ansiText, section, key, "", buffer, sizeof buffer) == 0) {
        return static_cast<std::uint32_t>(defaultValue);
    }
    return ParseInt(buffer);
}

std::uint32_t ReadInt(std::string_view text, std::string_view section, std::string_view key,
                      std::int32_t defaultValue) {
    std::string decoded;
    return ReadAnsiInt(AnsiText(text, decoded), section, key, defaultValue);
}

}  // namespace quillomar::ini
