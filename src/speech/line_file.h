#pragma once
// The taunt list file: the player's own voice lines, each list of which replaces a built-in list
// of a voice set, whole. Plain text, a line at a time:
//
//   ; a comment
//   [Arthur Dead]
//   INSULT_DEAD_PED variation 1 generic
//   RE_AMBUSH_V1_ANTAGONIZE male gang
//
// A section names a voice set and one of its lists; each row below it is one line, the game's
// speech name first, then in any order its variation, the words of its conditions, "generic" and
// "voice NAME". Reading keeps every row that makes sense and tells each problem with its line and
// what the plug-in does instead; it never fails as a whole. docs/lines.md says it for players.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/player_text.h"
#include "speech/line_catalogue.h"
#include "speech/list_text.h"

namespace quillomar {

inline constexpr std::size_t kLineFileMaxBytes = 1024 * 1024;  // a larger file is not read
inline constexpr std::size_t kMaxListRows = 4096;              // rows past these are left out

// A word of a row and the condition bit it stands for.
struct ConditionWord {
    const char* word;
    std::uint32_t bit;
};
std::span<const ConditionWord> ConditionWords();

struct LineFileRead {
    OwnLines lines;
    std::vector<FileProblem> problems;  // in line order
};

// The lists and problems of a file's bytes.
LineFileRead ReadLineFile(std::string_view bytes);

// Whether a file's bytes are a taunt list file's: its first section names a voice, [Arthur ...] or
// [John ...], as no settings file's does.
bool IsListFileText(std::string_view bytes);

// One row as the file writes it, the words in a fixed order: "NAME variation 3 male generic voice V".
std::string LineFileRow(const SpeechLine& line);

// The section line of a list: "[Arthur Dead]".
std::string LineFileSection(VoiceSet voice, LineList list);

// A taunt list file as the plug-in found it.
struct LineFileLoad {
    enum class Outcome {
        Read,        // read: lines and problems hold what it gives
        Unreadable,  // missing, a folder, or refused: error holds the system's words
        TooLarge,    // over kLineFileMaxBytes, so not read
    };
    Outcome outcome = Outcome::Unreadable;
    std::string error;
    LineFileRead read;
    std::uint64_t digest = 0;  // of the bytes read, to tell a changed file from the same one
};

// Reads the file at path, at most kLineFileMaxBytes of it.
LineFileLoad LoadLineFile(const char* path);

}  // namespace quillomar
