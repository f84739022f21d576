// quillomar: the plug-in's command-line tool. It runs the plug-in in the simulated game.

#include <exception>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "check_command.h"
#include "lines.h"
#include "scenario_command.h"
#include "settings_doc.h"
#include "soak.h"

namespace {

constexpr const char* kUsage =
    "usage: quillomar <command> [options]\n"
    "\n"
    "Runs the Quillomar plug-in in the simulated game.\n"
    "\n"
    "commands:\n"
    "  demo [--dir DIR]   play the bundled demonstration and tell what happens\n"
    "  run FILE [--dir DIR] [--trace OUT]\n"
    "                     play a scenario file (see docs/scenarios.md) and tell what\n"
    "                     happens; exits 1 when one of its expectations fails\n"
    "  lines [--voice arthur|john] [--list LIST] [--format table|list-file]\n"
    "                     print the built-in voice lines, one row per line, or as a\n"
    "                     taunt list file ('quillomar lines --help' tells more)\n"
    "  check [FILE|DIR]   check a settings file as the plug-in reads it (default:\n"
    "                     ./Quillomar.ini), and the taunt list file it names, and print\n"
    "                     the report its log holds; exits 1 when they have problems, 2\n"
    "                     when the settings file cannot be read\n"
    "  settings --markdown | --controls\n"
    "                     print the settings reference (docs/settings.md), or the game's\n"
    "                     controls PromptControl takes (docs/controls.md)\n"
    "  soak --frames N [--seed S] [--peds K]\n"
    "                     play N frames in a changing, misbehaving world and tell the\n"
    "                     speed, the peak memory and the size of the plug-in's state\n"
    "  help               show this text\n"
    "\n"
    "options:\n"
    "  --dir DIR          the plug-in's current directory, where it reads or writes\n"
    "                     Quillomar.ini (created if missing; default: a fresh temporary\n"
    "                     directory, removed at the end)\n"
    "  --trace OUT        write the run's trace to OUT as it goes: JSON Lines, the settings\n"
    "                     and seed, then every frame and every native call\n";

struct Options {
    tool::PlayOptions play;
    std::vector<std::string> files;
    bool help = false;
    std::string error;
};

Options ParseOptions(int argc, char** argv) {
    Options options;
    for (int i = 2; i < argc; ++i) {
        std::string_view arg = argv[i];
        bool hasValue = i + 1 < argc;
        if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else if (arg == "--dir" || arg == "--trace") {
            if (!hasValue) {
                options.error = std::string(arg) + " needs a path";
                break;
            }
            (arg == "--dir" ? options.play.dir : options.play.tracePath) = argv[++i];
        } else if (arg.starts_with("-")) {
            options.error = "unknown option '" + std::string(arg) + "'";
        } else {
            options.files.emplace_back(arg);
        }
    }
    return options;
}

int Usage(const std::string& error) {
    std::cerr << "quillomar: " << error << "\n\n" << kUsage;
    return 2;
}

int Run(int argc, char** argv) {
    if (argc < 2) return Usage("no command given");
    std::string_view command = argv[1];
    if (command == "help" || command == "--help" || command == "-h") {
        std::cout << kUsage;
        return 0;
    }
    const std::vector<std::string_view> args(argv + 2, argv + argc);
    if (command == "lines") return tool::RunLines(args, std::cout, std::cerr);
    if (command == "soak") return tool::RunSoak(args, std::cout, std::cerr);
    if (command == "check") return tool::RunCheck("quillomar check", args, stdout, stderr);
    if (command == "settings") {
        const std::string_view what = argc == 3 ? argv[2] : "";
        if (what != "--markdown" && what != "--controls") return Usage("settings takes --markdown or --controls");
        std::cout << (what == "--markdown" ? tool::SettingsMarkdown() : tool::ControlsMarkdown());
        return 0;
    }
    if (command != "demo" && command != "run") return Usage("unknown command '" + std::string(command) + "'");

    Options options = ParseOptions(argc, argv);
    if (options.help) {
        std::cout << kUsage;
        return 0;
    }
    if (!options.error.empty()) return Usage(options.error);
    if (command == "demo") {
        if (!options.files.empty() || !options.play.tracePath.empty()) return Usage("demo takes only --dir");
        return tool::RunDemo(options.play, std::cout, std::cerr);
    }
    if (options.files.size() != 1) return Usage("run needs exactly one scenario file");
    return tool::PlayScenarioFile(options.files[0], options.play, std::cout, std::cerr);
}

}  // namespace

int main(int argc, char** argv) {
    // Whatever a file or the machine does, the tool ends with a message, never an abort.
    try {
        return Run(argc, argv);
    } catch (const std::exception& failure) {
        std::cerr << "quillomar: " << failure.what() << "\n";
        return 2;
    }
}
