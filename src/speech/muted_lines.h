#pragma once
// The lines the player muted: never chosen from any list, built in or his own, as if they did not
// fit. They come from the muted file beside the settings file, a row a line,
//
//   ; a comment
//   RE_AMBUSH_V1_ANTAGONIZE              every variation
//   INSULT_DEAD_PED variation 3          that variation alone
//
// and from the mute key, which appends the line said last to that file. Reading keeps every row
// that makes sense and tells each problem with its line and what the plug-in does instead.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/player_folder.h"
#include "core/player_text.h"
#include "speech/line_catalogue.h"

namespace quillomar {

inline constexpr std::size_t kMutedFileMaxBytes = 1024 * 1024;  // a larger file is not read
inline constexpr std::size_t kMaxMutedRows = 4096;              // rows past these are left out

// A speech name, with one of its variations or every one.
struct MutedLine {
    std::string name;
    std::optional<std::int32_t> variation;  // none: every variation
    bool operator==(const MutedLine&) const = default;
};

struct MutedFileRead {
    std::vector<MutedLine> lines;
    std::vector<FileProblem> problems;  // in line order
    bool lastRowEnded = true;           // the bytes end with a line end, or there are none
};

// The rows and problems of a muted file's bytes.
MutedFileRead ReadMutedFile(std::string_view bytes);

// The muted file as the plug-in found it: missing (nothing muted, nothing to tell), read, or not
// read (a folder of its name, a file it may not read, one over 1 MiB).
struct MutedFileLoad {
    enum class Outcome { Missing, Read, Unreadable, TooLarge };
    Outcome outcome = Outcome::Missing;
    std::string error;  // Unreadable: the system's words
    MutedFileRead read;
};
MutedFileLoad LoadMutedFile(const char* path);

// A muted line as a row of the file: "NAME variation 3".
std::string MutedFileRow(const MutedLine& line);

// Adds the line to the muted file at path as a row of its own, making the file with a header
// that says what it is and how to undo a mute when it does not exist; lastRowEnded says whether
// the file ends with a line end, so the file is not read for it. The system's words for why it
// could not, or nothing.
std::optional<std::string> AppendMutedLine(const char* path, const MutedLine& line, bool exists, bool lastRowEnded);

// What is muted: the file's rows as last read, and the lines muted by key since; and whether the
// file ended with a line end when it was last read or written.
struct MutedLines {
    std::vector<MutedLine> fromFile;
    std::vector<MutedLine> byKey;
    bool lastRowEnded = true;
};

bool IsMuted(const MutedLines& muted, std::string_view name, std::int32_t variation);

// Marks every row of the catalogues that is muted, and unmarks the others.
void MarkMutedRows(LineCatalogues& catalogues, const MutedLines& muted);

}  // namespace quillomar
