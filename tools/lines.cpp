#include "lines.h"

#include <cstdint>
#include <cstdio>
#include <ostream>
#include <string>

#include "speech/line_catalogue.h"

namespace tool {
namespace {

using quillomar::SpeechLine;
using quillomar::SpeechLines;
using quillomar::VoiceSet;

constexpr const char* kLinesUsage =
    "usage: quillomar lines [--voice arthur|john] [--list LIST]\n"
    "\n"
    "Prints the built-in voice lines as the plug-in builds them, one row per line, tab-separated,\n"
    "without a header:\n"
    "  voice  list  index  speechName  variation  conditions  generic  voiceName\n"
    "index is the row's position in its list, conditions the condition bits as 0x and four\n"
    "hexadecimal digits, generic 1 or 0, voiceName the row's own voice or '-' for the voice\n"
    "set's default voice.\n"
    "\n"
    "options:\n"
    "  --voice arthur|john   only this voice set (default: both, arthur first)\n"
    "  --list LIST           only this list, one of dead, writhing, fatallyinjured,\n"
    "                        incapacitated, ragdollhurt, fleeing, gunfight, melee\n"
    "                        (default: all, in that order)\n";

struct NamedVoice {
    const char* name;
    VoiceSet set;
};
constexpr NamedVoice kVoices[] = {{"arthur", VoiceSet::Arthur}, {"john", VoiceSet::John}};
constexpr int kVoiceCount = 2;

// The six state lists in key order (Dead = 1 onwards), then the two combat lists.
constexpr const char* kListNames[] = {"dead",        "writhing", "fatallyinjured", "incapacitated",
                                      "ragdollhurt", "fleeing",  "gunfight",       "melee"};
constexpr int kListCount = 8;
constexpr int kGunfightList = 6;
constexpr int kMeleeList = 7;

struct LinesOptions {
    int voice = -1;  // index into kVoices; -1 = both
    int list = -1;   // index into kListNames; -1 = all
    bool help = false;
    std::string error;
};

int VoiceIndex(std::string_view name) {
    for (int i = 0; i < kVoiceCount; ++i) {
        if (name == kVoices[i].name) return i;
    }
    return -1;
}

int ListIndex(std::string_view name) {
    for (int i = 0; i < kListCount; ++i) {
        if (name == kListNames[i]) return i;
    }
    return -1;
}

std::string ListNames() {
    std::string names;
    for (int i = 0; i < kListCount; ++i) names += std::string(i > 0 ? ", " : "") + kListNames[i];
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
        const bool hasValue = i + 1 < args.size();
        if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else if (arg == "--voice") {
            const std::string_view value = hasValue ? args[++i] : std::string_view();
            options.voice = VoiceIndex(value);
            if (options.voice < 0) options.error = "--voice needs arthur or john" + Given(value);
        } else if (arg == "--list") {
            const std::string_view value = hasValue ? args[++i] : std::string_view();
            options.list = ListIndex(value);
            if (options.list < 0) options.error = "--list needs one of " + ListNames() + Given(value);
        } else {
            options.error = "unknown option '" + std::string(arg) + "'";
        }
    }
    return options;
}

const SpeechLines* ListOf(VoiceSet set, int list) {
    const quillomar::LineCatalogue& catalogue = quillomar::BuiltInCatalogues().Of(set);
    if (list == kGunfightList) return &catalogue.gunfightLines;
    if (list == kMeleeList) return &catalogue.meleeLines;
    return quillomar::FindStateLines(catalogue, list + 1);
}

void PrintRow(std::ostream& out, const char* voice, const char* list, std::size_t index, const SpeechLine& line) {
    char conditions[16];
    std::snprintf(conditions, sizeof conditions, "0x%04X", static_cast<unsigned>(line.conditions));
    out << voice << '\t' << list << '\t' << index << '\t' << line.speechName << '\t' << line.variation << '\t'
        << conditions << '\t' << (line.generic ? '1' : '0') << '\t' << (line.voice != nullptr ? line.voice : "-")
        << '\n';
}

void PrintLists(std::ostream& out, const LinesOptions& options) {
    for (int v = 0; v < kVoiceCount; ++v) {
        if (options.voice >= 0 && options.voice != v) continue;
        for (int l = 0; l < kListCount; ++l) {
            if (options.list >= 0 && options.list != l) continue;
            const SpeechLines* lines = ListOf(kVoices[v].set, l);
            if (lines == nullptr) continue;
            for (std::size_t i = 0; i < lines->size(); ++i) {
                PrintRow(out, kVoices[v].name, kListNames[l], i, (*lines)[i]);
            }
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
