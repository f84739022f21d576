// Arbitrary bytes as a taunt list file and as a muted file: through the readers, into the
// catalogues and through the report. Every row kept must name text inside the file's own storage,
// end there, and come back the same when written as the file writes it; no list passes its bound.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string_view>
#include <utility>

#include "plugin/player_files.h"
#include "speech/line_file.h"
#include "speech/muted_lines.h"
#include "support.h"

using namespace quillomar;
using fuzz::Require;

namespace {

// A name the row points at: a NUL-terminated run inside the storage.
void RequireStored(const char* name, const std::vector<char>& names) {
    const char* begin = names.data();
    const char* end = begin + names.size();
    Require(name >= begin && name < end, "a row's name points outside the file's storage");
    Require(std::memchr(name, '\0', static_cast<std::size_t>(end - name)) != nullptr, "a row's name has no end");
    Require(std::strlen(name) <= kMaxSpeechNameBytes, "a row's name is too long");
}

void RequireSameRow(const SpeechLine& row) {
    const std::string text = "[Arthur Dead]\n" + LineFileRow(row) + "\n";
    const LineFileRead back = ReadLineFile(text);
    Require(back.lines.lists.size() == 1 && back.lines.lists[0].rows.size() == 1,
            "a row kept does not read back as one row");
    const SpeechLine& again = back.lines.lists[0].rows[0];
    Require(std::strcmp(again.speechName, row.speechName) == 0 && again.conditions == row.conditions &&
                again.generic == row.generic && again.variation == row.variation &&
                (again.voice == nullptr) == (row.voice == nullptr) &&
                (row.voice == nullptr || std::strcmp(again.voice, row.voice) == 0),
            "a row kept reads back differently");
}

void RequireSameMutedRow(const MutedLine& line) {
    Require(line.name.size() <= kMaxSpeechNameBytes && !NameProblem(line.name), "a muted row's name is no game name");
    const MutedFileRead back = ReadMutedFile(MutedFileRow(line) + "\n");
    Require(back.problems.empty() && back.lines.size() == 1 && back.lines[0] == line,
            "a muted row does not read back as itself");
}

// The same bytes as the muted file, marked on the catalogues they were read into.
void CheckAsMutedFile(std::string_view bytes, LineCatalogues& catalogues) {
    MutedFileLoad muted;
    muted.outcome = MutedFileLoad::Outcome::Read;
    muted.read = ReadMutedFile(bytes);
    Require(muted.read.lines.size() <= kMaxMutedRows, "the muted file passed its bound");
    for (const MutedLine& line : muted.read.lines) RequireSameMutedRow(line);
    for (std::size_t i = 1; i < muted.read.problems.size(); ++i) {
        Require(muted.read.problems[i - 1].line <= muted.read.problems[i].line, "muted problems out of line order");
    }
    PlayerLists lists{std::nullopt, std::move(muted)};
    Require(!ReportPlayerFiles("Quillomar.ini", "", "", lists).text.empty(), "the muted report is empty");
    MarkMutedRows(catalogues, MutedLinesOf(lists.muted));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::optional<LineFileLoad> load(std::in_place);
    load->outcome = LineFileLoad::Outcome::Read;
    load->read = ReadLineFile(bytes);
    const LineFileRead& read = load->read;
    for (const OwnList& list : read.lines.lists) {
        Require(list.rows.size() <= kMaxListRows, "a list passed its bound");
        for (const SpeechLine& row : list.rows) {
            RequireStored(row.speechName, read.lines.names);
            if (row.voice != nullptr) RequireStored(row.voice, read.lines.names);
            RequireSameRow(row);
        }
    }
    for (std::size_t i = 1; i < read.problems.size(); ++i) {
        Require(read.problems[i - 1].line <= read.problems[i].line, "the problems are out of line order");
    }
    PlayerLists lists{std::move(load), {}};
    Require(
        !ReportPlayerFiles("Quillomar.ini", "[Advanced]\nTauntListFile=lines.txt\n", "lines.txt", lists).text.empty(),
        "the report is empty");
    LineCatalogues catalogues;
    BuildLineCatalogues(catalogues, TakeOwnLines(lists.lines));
    CheckAsMutedFile(bytes, catalogues);
    return 0;
}
