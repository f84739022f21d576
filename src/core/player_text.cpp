#include "core/player_text.h"

#include <algorithm>
#include <utility>

namespace quillomar {
namespace {

constexpr std::size_t kShownLength = 40;  // a value longer than this is shown cut

constexpr std::size_t kLongestName = 63;  // longer names are compared with nothing

// Edits (insert, delete, replace, swap of neighbours) from one name to the other, capitals aside,
// for names of at most kLongestName characters; any count above most is told as most + 1. Only
// the cells within most of the diagonal can hold a count of most or fewer, so only they are worked
// out: a name is compared with hundreds at the cost of a few cells a letter.
std::size_t EditDistance(std::string_view a, std::string_view b, std::size_t most) {
    const std::size_t beyond = most + 1;
    if (a.size() > b.size() + most || b.size() > a.size() + most) return beyond;
    std::size_t d[kLongestName + 1][kLongestName + 1];
    // The band and the cells beside it, which the band's cells read.
    for (std::size_t i = 0; i <= a.size(); ++i) {
        for (std::size_t j = i > beyond ? i - beyond : 0; j <= b.size() && j <= i + beyond; ++j) {
            d[i][j] = i == 0 ? j : j == 0 ? i : beyond;
        }
    }
    for (std::size_t i = 1; i <= a.size(); ++i) {
        for (std::size_t j = i > most ? i - most : 1; j <= b.size() && j <= i + most; ++j) {
            std::size_t cost = LowerAscii(a[i - 1]) == LowerAscii(b[j - 1]) ? 0 : 1;
            d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + cost});
            if (i > 1 && j > 1 && LowerAscii(a[i - 1]) == LowerAscii(b[j - 2]) &&
                LowerAscii(a[i - 2]) == LowerAscii(b[j - 1])) {
                d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
            }
        }
    }
    return std::min(d[a.size()][b.size()], beyond);
}

}  // namespace

std::optional<std::size_t> Nearness(std::string_view written, std::string_view known) {
    const std::size_t allowed = known.size() > 5 ? 2 : 1;
    // Names further apart in length than the edits allowed cannot be near; very long ones are not compared.
    const std::size_t gap =
        written.size() > known.size() ? written.size() - known.size() : known.size() - written.size();
    if (written.size() > kLongestName || known.size() > kLongestName || gap > allowed) return std::nullopt;
    const std::size_t distance = EditDistance(written, known, allowed);
    if (distance == 0 || distance > allowed) return std::nullopt;
    return distance;
}

std::string Listed(const std::vector<std::string>& parts) {
    std::string text;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        text += (i == 0 ? "" : i + 1 == parts.size() ? " and " : ", ") + parts[i];
    }
    return text;
}

std::string Shown(std::string_view value) {
    std::string shown;
    for (char c : value.substr(0, kShownLength)) {
        auto byte = static_cast<unsigned char>(c);
        shown += (byte >= 0x20 && byte != 0x7F) ? c : '?';
    }
    if (value.size() > kShownLength) shown += "...";
    return shown;
}

void SortByLine(std::vector<FileProblem>& problems) {
    // A sort of (line, position) pairs: stable without the temporary buffer std::stable_sort asks for.
    std::vector<std::pair<std::size_t, std::size_t>> order;
    for (std::size_t i = 0; i < problems.size(); ++i) order.emplace_back(problems[i].line, i);
    std::sort(order.begin(), order.end());
    std::vector<FileProblem> sorted;
    sorted.reserve(problems.size());
    for (const auto& [line, index] : order) sorted.push_back(std::move(problems[index]));
    problems = std::move(sorted);
}

std::string SizeText(std::size_t bytes) {
    constexpr std::size_t kKilo = 1024;
    if (bytes != 0 && bytes % (kKilo * kKilo) == 0) return std::to_string(bytes / (kKilo * kKilo)) + " MiB";
    if (bytes != 0 && bytes % kKilo == 0) return std::to_string(bytes / kKilo) + " KB";
    return std::to_string(bytes) + " bytes";
}

std::string ProblemCount(std::size_t count) { return std::to_string(count) + (count == 1 ? " problem" : " problems"); }

std::size_t CountedProblems(const std::vector<FileProblem>& problems) {
    return static_cast<std::size_t>(
        std::count_if(problems.begin(), problems.end(), [](const FileProblem& problem) { return !problem.note; }));
}

std::string ProblemReport(std::string_view fileName, const std::vector<FileProblem>& problems) {
    const std::size_t counted = CountedProblems(problems);
    const std::size_t notes = problems.size() - counted;
    std::string report = std::string(fileName) + ": " + (counted == 0 ? "no problems found" : ProblemCount(counted));
    if (notes > 0) report += ", " + std::to_string(notes) + (notes == 1 ? " note" : " notes");
    report += "\n";
    for (const FileProblem& problem : problems) {
        report +=
            "  line " + std::to_string(problem.line) + ": " + (problem.note ? "note: " : "") + problem.text + "\n";
    }
    return report;
}

}  // namespace quillomar
