#include "speech/list_text.h"

#include <algorithm>

#include "core/player_text.h"

namespace quillomar {
namespace {

bool IsNameChar(char c) { return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_'; }

}  // namespace

std::vector<std::string_view> WordsOf(std::string_view text) {
    std::vector<std::string_view> words;
    for (std::size_t at = text.find_first_not_of(kSpaceAndTab); at != std::string_view::npos;) {
        const std::size_t end = std::min(text.find_first_of(kSpaceAndTab, at), text.size());
        words.push_back(text.substr(at, end - at));
        at = text.find_first_not_of(kSpaceAndTab, end);
    }
    return words;
}

std::string Quoted(std::string_view text) { return "\"" + Shown(text) + "\""; }

std::optional<std::string> NameProblem(std::string_view name) {
    if (name.size() > kMaxSpeechNameBytes) {
        return Quoted(name) + " is longer than " + std::to_string(kMaxSpeechNameBytes) +
               " characters, which no game line is";
    }
    if (std::all_of(name.begin(), name.end(), IsNameChar)) return std::nullopt;
    std::string capitals(name);
    std::transform(capitals.begin(), capitals.end(), capitals.begin(), UpperAscii);
    if (std::all_of(capitals.begin(), capitals.end(), IsNameChar)) {
        return Quoted(name) + " is not written as the game writes it (in capitals: " + capitals + ")";
    }
    return Quoted(name) + " has characters no game line has (only capital letters, digits and _)";
}

std::optional<std::int32_t> VariationOf(std::string_view text) {
    if (text.empty()) return std::nullopt;
    std::int32_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > kMaxVariation) return std::nullopt;
    }
    return value;
}

std::string VariationRange() { return "a whole number from 0 to " + std::to_string(kMaxVariation); }

std::optional<std::string> Utf16Problem(std::string_view bytes, std::string_view instead) {
    if (!bytes.starts_with("\xFF\xFE") && !bytes.starts_with("\xFE\xFF")) return std::nullopt;
    return "the file is saved as UTF-16 (\"Unicode\"), which the plug-in does not read, so " + std::string(instead) +
           " (save it as UTF-8 or ANSI)";
}

std::string_view WithoutUtf8Mark(std::string_view bytes) {
    if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
    return bytes;
}

void ForEachListLine(std::string_view text, const std::function<void(std::size_t, std::string_view)>& read) {
    std::size_t number = 0;
    for (std::size_t at = 0; at <= text.size();) {
        const std::size_t end = std::min(text.find_first_of("\r\n", at), text.size());
        const std::string_view line = Trimmed(text.substr(at, end - at));
        ++number;
        at = end + (text.substr(end, 2) == "\r\n" ? 2 : 1);
        if (!line.empty() && line.front() != ';') read(number, line);
    }
}

}  // namespace quillomar
