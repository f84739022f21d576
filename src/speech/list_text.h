#pragma once
// The text of the player's list files, the taunt list file and the muted file alike: lines as an
// editor counts them, words split at blanks, speech names as the game writes them, variations.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillomar {

inline constexpr std::size_t kMaxSpeechNameBytes = 63;  // no game line's name is longer
inline constexpr std::int32_t kMaxVariation = 999;
inline constexpr const char* kVariationWord = "variation";

// The words of a line, split at runs of blanks.
std::vector<std::string_view> WordsOf(std::string_view text);

// The player's text in quotes, shown safely.
std::string Quoted(std::string_view text);

// Why a speech or voice name is none the game has, or nothing: capitals, digits and _ only.
std::optional<std::string> NameProblem(std::string_view name);

// A whole number from 0 to kMaxVariation, in digits alone, or nothing.
std::optional<std::int32_t> VariationOf(std::string_view text);

// "a whole number from 0 to 999".
std::string VariationRange();

// Why the file's bytes are not read at all (saved as UTF-16), or nothing; what is used instead
// completes the sentence.
std::optional<std::string> Utf16Problem(std::string_view bytes, std::string_view instead);

// The bytes without the mark some editors put before UTF-8.
std::string_view WithoutUtf8Mark(std::string_view bytes);

// Each line that holds more than blanks and is no comment (';'), trimmed, with its number: lines
// end as an editor counts them, at CR LF, LF or a lone CR.
void ForEachListLine(std::string_view text, const std::function<void(std::size_t, std::string_view)>& read);

}  // namespace quillomar
