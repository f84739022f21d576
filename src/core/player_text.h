#pragma once
// Text a player writes, as the plug-in reads and answers it: names compared with capitals aside,
// the known name a likely typo was meant to be, the player's text shown safely on one line, and
// the report of a file's problems by line, which the log and the checkers print alike.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ascii_text.h"

namespace quillomar {

// How near a written name is to a known one when it is a likely typo (one or two edits, one for
// a short name; a swap of neighbours is one edit), or nothing.
std::optional<std::size_t> Nearness(std::string_view written, std::string_view known);

// The nearest of the names to a written one, or null; name(candidate) gives a candidate's name.
template <typename Names, typename Name>
const char* NearestName(std::string_view written, const Names& names, Name name) {
    const char* nearest = nullptr;
    std::size_t best = 0;
    for (const auto& candidate : names) {
        std::optional<std::size_t> distance = Nearness(written, name(candidate));
        if (distance && (nearest == nullptr || *distance < best)) {
            nearest = name(candidate);
            best = *distance;
        }
    }
    return nearest;
}

// Parts joined as a sentence lists them: "a", "a and b", "a, b and c".
std::string Listed(const std::vector<std::string>& parts);

// A value as the player wrote it, on one line and not too long: control bytes become '?'.
std::string Shown(std::string_view value);

struct FileProblem {
    std::size_t line;  // 1 for the file's first line
    std::string text;
    bool note = false;  // worth knowing, but nothing is read otherwise than it is meant: not counted
};

// The problems in line order, keeping the order found within a line.
void SortByLine(std::vector<FileProblem>& problems);

// A size as players read it: "1 MiB", "64 KB", "100 bytes".
std::string SizeText(std::size_t bytes);

// "1 problem", "2 problems".
std::string ProblemCount(std::size_t count);

// The problems that count: all but the notes.
std::size_t CountedProblems(const std::vector<FileProblem>& problems);

// A summary line naming the file (and how many notes there are), then one line per problem or note.
std::string ProblemReport(std::string_view fileName, const std::vector<FileProblem>& problems);

}  // namespace quillomar
