#pragma once
// Text as the player's files hold it: ASCII letters compared with capitals aside, and blanks
// trimmed. Windows' profile reads trim more kinds of blank than the player's lists and keys do, so
// the set of blanks is the caller's.

#include <algorithm>
#include <string_view>

namespace quillomar {

inline constexpr std::string_view kSpaceAndTab = " \t";

constexpr char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
constexpr char UpperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// The same name, capitals aside.
constexpr bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return LowerAscii(x) == LowerAscii(y); });
}

// The text without the blanks at either end.
constexpr std::string_view Trimmed(std::string_view text, std::string_view blanks = kSpaceAndTab) {
    const std::size_t first = text.find_first_not_of(blanks);
    // All blanks: an empty view into the text, never a null one a copy might be handed.
    if (first == std::string_view::npos) return text.substr(text.size());
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

}  // namespace quillomar
