#pragma once
// A reader of INI text that answers as Windows' private-profile functions do: the first section
// of that name, the first key of that name within it, names compared without regard to case,
// blanks around names and values trimmed, text after a UTF-8 or UTF-16 byte order mark read as
// the ANSI code page (Windows-1252). It reads from a buffer, so tests feed it strings.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillomar::ini {

// The file's text in the ANSI code page: the file itself unless it starts with a byte order
// mark, else its decoded text, kept in storage.
std::string_view AnsiText(std::string_view file, std::string& storage);

// The raw value of the key in ANSI text, or nothing when the section or key is missing or the
// key's line has no equals sign.
std::optional<std::string_view> FindValue(std::string_view text, std::string_view section, std::string_view key);

// Like GetPrivateProfileStringA: copies the value (or defaultText when the key is missing) into
// buffer, without matching surrounding quotes, cut to size - 1 characters. Returns the length
// copied. A size of 0 copies nothing.
std::uint32_t ReadString(std::string_view text, std::string_view section, std::string_view key,
                         std::string_view defaultText, char* buffer, std::uint32_t size);

// Like GetPrivateProfileIntA: the value's leading integer (decimal, or hex after a lower-case
// "0x"), wrapping on overflow; defaultValue when the key is missing or its value is empty.
std::uint32_t ReadInt(std::string_view text, std::string_view section, std::string_view key, std::int32_t defaultValue);

// The same two reads of text already in the ANSI code page (AnsiText's result), so that a file
// read for many keys is decoded once.
std::uint32_t ReadAnsiString(std::string_view ansiText, std::string_view section, std::string_view key,
                             std::string_view defaultText, char* buffer, std::uint32_t size);
std::uint32_t ReadAnsiInt(std::string_view ansiText, std::string_view section, std::string_view key,
                          std::int32_t defaultValue);

// A line of ANSI text as the reads see it: a section header, or any other line split at its
// first equals sign, names and values trimmed and ending at a NUL byte as in the reads above.
struct Line {
    std::size_t number;                     // counted as an editor does: CR LF, LF or a lone CR ends a line
    bool section;                           // a header: name is the section's name
    std::string_view name;                  // the key, or the whole line when it has no equals sign
    std::optional<std::string_view> value;  // what follows the equals sign
    std::string_view text;                  // the whole line, trimmed
};

// Every line that is not blank, in order.
std::vector<Line> ScanLines(std::string_view text);

}  // namespace quillomar::ini
