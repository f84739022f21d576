#include "lines.h"

#include <cstdint>
#include <cstdio>
#include <ostream>
#include <string>

#include "core/player_text.h"
#include "speech/line_catalogue.h"
#include "speech/line_file.h"

namespace tool {
namespace {

using quillomar::LineList;
using quillomar::SpeechLine;
using quillomar::SpeechLines;
using quillomar::VoiceSet;

constexpr const char* kLinesUsage =
    "usage: quillomar lines [--voice arthur|john] [--list LIST] [--format table|list-file]\n"
    "\n"
    "Prints the built-in voice lines as the plug-in builds them.\n"
    "\n"
    "options:\n"
    "  --voice arthur|john   only this voice set (default: both, arthur first)\n"
    "  --list LIST           only this list, one of dead, writhing, fatallyinjured,\n"
    "                        incapacitated, ragdollhurt, fleeing, gunfight, melee\n"
    "                        (default: all, in that order)\n"
    "  --format table        (the default) one row per line, tab-separated, without a header:\n"
    "                          voice  list  index  speechName  variation  conditions  generic  voiceName\n"
    "                        index is the row's position in its list, conditions the condition bits\n"
    "                        as 0x and four hexadecimal digits, generic 1 or 0, voiceName the row's\n"
    "                        own voice or '-' for the voice set's default voice\n"
    "  --format list-file    a taunt list file (docs/lines.md) with these lines, to start one's own\n"
    "                        from: TauntListFile naming it plays exactly as the built-in lines do\n";

// The header of an exported list file: how to make one's own lines from it.
constexpr const char* kListFileHeader =
    "; Quillomar's own voice lines, written as a taunt list file.\n"
    ";\n"
    "; To make your own lines from it:\n"
    ";   1. Copy this file into the game's folder, beside Quillomar.ini.\n"
    ";   2. Delete the rows you do not want to hear; add rows for lines of the game you know.\n"
    ";      A section you delete whole keeps Quillomar's own lines for that list.\n"
    ";   3. In Quillomar.ini, under [Advanced], fill in the line TauntListFile= that stands there\n"
    ";      empty: TauntListFile=Quillomar-lines.txt (a second TauntListFile line is ignored).\n"
    ";   4. Start the game (or save Quillomar.ini while it runs). Quillomar.log tells every row it\n"
    ";      cannot use and why; so does QuillomarCheck.exe, when you drop this file on it.\n"
    ";\n"
    "; A row is the game's speech name, then, as needed: variation N, the words for when it fits\n"
    "; (female, male, gang, group, people-nearby, body-nearby, law, one-enemy, several-enemies,\n"
    "; positive, negative, player-hurt, player-hit-them), generic, and voice NAME. README.txt tells\n"
    "; what each word means. Over a ped, a row whose only words are law, one-enemy, several-enemies,\n"
    "; player-hurt, player-hit-them, positive or negative (female and male aside) is never said:\n"
    "; a few rows below are such, kept as Quillomar has them, and the check notes each of them.\n";

struct NamedVoice {
    const char* name;
    VoiceSet set;
};
constexpr NamedVoice kVoices[] = {{"arthur", VoiceSet::Arthur}, {"john", VoiceSet::John}};
constexpr int kVoiceCount = 2;

enum class Format { Table, ListFile };

struct LinesOptions {
    int voice = -1;  // index into kVoices; -1 = both
    int list = -1;   // a LineList; -1 = all
    Format format = Format::Table;
    bool help = false;
    std::string error;
};

std::string Lower(const char* name) {
    std::string lower = name;
    for (char& c : lower) c = quillomar::LowerAscii(c);
    return lower;
}

int VoiceIndex(std::string_view name) {
    for (int i = 0; i < kVoiceCount; ++i) {
        if (name == kVoices[i].name) return i;
    }
    return -1;
}

int ListIndex(std::string_view name) {
    for (std::size_t i = 0; i < quillomar::kLineListCount; ++i) {
        if (name == Lower(quillomar::LineListName(static_cast<LineList>(i)))) return static_cast<int>(i);
    }
    return -1;
}

std::string ListNames() {
    std::string names;
    for (std::size_t i = 0; i < quillomar::kLineListCount; ++i) {
        names += (i > 0 ? ", " : "") + Lower(quillomar::LineListName(static_cast<LineList>(i)));
    }
    return names;
}

// What the user gave in place of a valid value, for the error message.
std::string Given(std::string_view value) {
    return value.empty() ? std::string() : ", not '" + std::string(value) + "'";
}

LinesOptions ParseLinesOptions(std::span<const std::string_view> args) {
    LinesOptions options;
    for (std::size_t i = 0; i < args.size() && options.error.empty(); ++i) {
        std::string_view arg = args[i];
        const std::string_view value = i + 1 < args.size() ? args[i + 1] : std::string_view();
        if (arg == "--help" || arg == "-h") {
            options.help = true;
            continue;
        }
        if (arg == "--voice") {
            options.voice = VoiceIndex(value);
            if (options.voice < 0) options.error = "--voice needs arthur or john" + Given(value);
        } else if (arg == "--list") {
            options.list = ListIndex(value);
            if (options.list < 0) options.error = "--list needs one of " + ListNames() + Given(value);
        } else if (arg == "--format") {
            options.format = value == "list-file" ? Format::ListFile : Format::Table;
            if (value != "table" && value != "list-file")
                options.error = "--format needs table or list-file" + Given(value);
        } else {
            options.error = "unknown option '" + std::string(arg) + "'";
        }
        ++i;  // the option's value
    }
    return options;
}

void PrintRow(std::ostream& out, const std::string& voice, const std::string& list, std::size_t index,
              const SpeechLine& line) {
    char conditions[16];
    std::snprintf(conditions, sizeof conditions, "0x%04X", static_cast<unsigned>(line.conditions));
    out << voice << '\t' << list << '\t' << index << '\t' << line.speechName << '\t' << line.variation << '\t'
        << conditions << '\t' << (line.generic ? '1' : '0') << '\t' << (line.voice != nullptr ? line.voice : "-")
        << '\n';
}

void PrintList(std::ostream& out, Format format, VoiceSet voice, LineList list, const SpeechLines& lines) {
    if (format == Format::ListFile) {
        out << '\n' << quillomar::LineFileSection(voice, list) << '\n';
        for (const SpeechLine& line : lines) out << quillomar::LineFileRow(line) << '\n';
        return;
    }
    const std::string voiceName = Lower(quillomar::VoiceSetName(voice));
    const std::string listName = Lower(quillomar::LineListName(list));
    for (std::size_t i = 0; i < lines.size(); ++i) PrintRow(out, voiceName, listName, i, lines[i]);
}

void PrintLists(std::ostream& out, const LinesOptions& options) {
    if (options.format == Format::ListFile) out << kListFileHeader;
    for (int v = 0; v < kVoiceCount; ++v) {
        if (options.voice >= 0 && options.voice != v) continue;
        for (std::size_t l = 0; l < quillomar::kLineListCount; ++l) {
            if (options.list >= 0 && options.list != static_cast<int>(l)) continue;
            const auto list = static_cast<LineList>(l);
            const quillomar::LineCatalogue& catalogue = quillomar::BuiltInCatalogues().Of(kVoices[v].set);
            PrintList(out, options.format, kVoices[v].set, list, catalogue[list]);
        }
    }
}

}  // namespace

int RunLines(std::span<const std::string_view> args, std::ostream& out, std::ostream& err) {
    LinesOptions options = ParseLinesOptions(args);
    if (options.help) {
        out << kLinesUsage;
        return 0;
    }
    if (!options.error.empty()) {
        err << "quillomar lines: " << options.error << "\n\n" << kLinesUsage;
        return 2;
    }
    PrintLists(out, options);
    return 0;
}

}  // namespace tool
