#include "speech/muted_lines.h"

#include <algorithm>
#include <utility>

#include "platform/platform.h"
#include "platform/text_files.h"
#include "speech/list_text.h"

namespace quillomar {
namespace {

constexpr const char* kLeftOut = ", so this row is left out";

std::string UnknownWord(std::string_view word) {
    const char* hint = word.front() == ';' ? " (a comment must stand on a line of its own)"
                                           : " (a row is a speech name, then variation and a number for one "
                                             "variation alone)";
    return "unknown word " + Quoted(word) + kLeftOut + hint;
}

// The muted line a row's words make, or the problem that leaves it out.
std::optional<std::string> ParseRow(const std::vector<std::string_view>& words, MutedLine& line) {
    if (std::optional<std::string> problem = NameProblem(words[0])) return *problem + kLeftOut;
    line.name = std::string(words[0]);
    std::size_t next = 1;
    if (next < words.size() && SameName(words[next], kVariationWord)) {
        if (next + 1 == words.size()) {
            return std::string(kVariationWord) + " needs " + VariationRange() + " after it" + kLeftOut;
        }
        line.variation = VariationOf(words[next + 1]);
        if (!line.variation) {
            return std::string(kVariationWord) + " " + Quoted(words[next + 1]) + " is not " + VariationRange() +
                   kLeftOut;
        }
        next += 2;
    }
    if (next < words.size()) return UnknownWord(words[next]);
    return std::nullopt;
}

bool Covers(const MutedLine& muted, std::string_view name, std::int32_t variation) {
    return muted.name == name && (!muted.variation || *muted.variation == variation);
}

}  // namespace

MutedFileRead ReadMutedFile(std::string_view bytes) {
    MutedFileRead read;
    read.lastRowEnded = bytes.empty() || bytes.back() == '\n' || bytes.back() == '\r';
    if (std::optional<std::string> problem = Utf16Problem(bytes, "no line is muted by it")) {
        read.problems.push_back({1, std::move(*problem)});
        return read;
    }
    bool overflowTold = false;
    ForEachListLine(WithoutUtf8Mark(bytes), [&](std::size_t number, std::string_view text) {
        if (read.lines.size() >= kMaxMutedRows) {
            if (!overflowTold) {
                read.problems.push_back({number, "the file has more than " + std::to_string(kMaxMutedRows) +
                                                     " rows, so this row and the ones after it are left out"});
            }
            overflowTold = true;
            return;
        }
        MutedLine line;
        if (std::optional<std::string> problem = ParseRow(WordsOf(text), line)) {
            read.problems.push_back({number, std::move(*problem)});
        } else {
            read.lines.push_back(std::move(line));
        }
    });
    return read;
}

MutedFileLoad LoadMutedFile(const char* path) {
    MutedFileLoad load;
    if (!platform::FileExists(path)) return load;
    std::optional<std::string> bytes = platform::ReadFileBytes(path, kMutedFileMaxBytes);
    if (!bytes) {
        load.outcome = MutedFileLoad::Outcome::Unreadable;
        load.error = platform::LastErrorText();
    } else if (bytes->size() > kMutedFileMaxBytes) {
        load.outcome = MutedFileLoad::Outcome::TooLarge;
    } else {
        load.outcome = MutedFileLoad::Outcome::Read;
        load.read = ReadMutedFile(*bytes);
    }
    return load;
}

std::string MutedFileRow(const MutedLine& line) {
    if (!line.variation) return line.name;
    return line.name + " " + kVariationWord + " " + std::to_string(*line.variation);
}

std::optional<std::string> AppendMutedLine(const char* path, const MutedLine& line, bool exists, bool lastRowEnded) {
    std::string text = MutedFileRow(line) + "\n";
    if (!exists) {
        text = std::string("; Quillomar's muted lines: none of these is ever said. The mute key (MuteKey in ") +
               kSettingsFile.Name() +
               ")\n"
               "; adds the line said last; delete a row to hear its line again. A row is a speech name, for\n"
               "; every variation, or a name and \"variation\" and its number, for that one alone.\n" +
               text;
    } else if (!lastRowEnded) {
        text = "\n" + text;  // the player's last row keeps a line of its own
    }
    if (!platform::WriteTextFile(path, text, true)) return platform::LastErrorText();
    return std::nullopt;
}

bool IsMuted(const MutedLines& muted, std::string_view name, std::int32_t variation) {
    auto covers = [&](const MutedLine& line) { return Covers(line, name, variation); };
    return std::any_of(muted.fromFile.begin(), muted.fromFile.end(), covers) ||
           std::any_of(muted.byKey.begin(), muted.byKey.end(), covers);
}

void MarkMutedRows(LineCatalogues& catalogues, const MutedLines& muted) {
    // The muted lines sorted by name, so a row is looked up, not compared with each of them, and
    // without a copy of its name: a start without muted lines costs a pass over the rows alone.
    std::vector<const MutedLine*> sorted;
    for (const auto* lines : {&muted.fromFile, &muted.byKey}) {
        for (const MutedLine& line : *lines) sorted.push_back(&line);
    }
    std::sort(sorted.begin(), sorted.end(), [](const MutedLine* a, const MutedLine* b) { return a->name < b->name; });
    auto mark = [&](SpeechLine& row) {
        const std::string_view name = row.speechName;
        auto line = std::lower_bound(sorted.begin(), sorted.end(), name,
                                     [](const MutedLine* muted, std::string_view n) { return muted->name < n; });
        row.muted = false;
        for (; line != sorted.end() && (*line)->name == name; ++line) {
            row.muted = row.muted || Covers(**line, name, row.variation);
        }
    };
    for (LineCatalogue& catalogue : catalogues.sets) {
        ForEachList(catalogue, [&](SpeechLines& rows) { std::for_each(rows.begin(), rows.end(), mark); });
    }
}

}  // namespace quillomar
