// quillomar: the plug-in's command-line tool. It runs the plug-in in the simulated game.

#include <cstring>
#include <iostream>
#include <string>
#include <string_view>

#include "demo.h"

namespace {

constexpr const char* kUsage =
    "usage: quillomar <command> [options]\n"
    "\n"
    "Runs the Quillomar plug-in in the simulated game.\n"
    "\n"
    "commands:\n"
    "  demo [--dir DIR]   play the bundled demonstration and tell what happens\n"
    "  help               show this text\n"
    "\n"
    "options:\n"
    "  --dir DIR          the plug-in's current directory, where it reads or writes\n"
    "                     Quillomar.ini (created if missing; default: a fresh temporary\n"
    "                     directory)\n";

struct Options {
    std::string dir;
    bool help = false;
    std::string error;
};

Options ParseOptions(int argc, char** argv, int first) {
    Options options;
    for (int i = first; i < argc; ++i) {
        std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else if (arg == "--dir" && i + 1 < argc) {
            options.dir = argv[++i];
        } else if (arg == "--dir") {
            options.error = "--dir needs a directory";
        } else {
            options.error = "unknown option '" + std::string(arg) + "'";
        }
    }
    return options;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << kUsage;
        return 2;
    }
    std::string_view command = argv[1];
    if (command == "help" || command == "--help" || command == "-h") {
        std::cout << kUsage;
        return 0;
    }
    Options options = ParseOptions(argc, argv, 2);
    if (options.help) {
        std::cout << kUsage;
        return 0;
    }
    if (!options.error.empty()) {
        std::cerr << "quillomar: " << options.error << "\n\n" << kUsage;
        return 2;
    }
    if (command == "demo") return tool::RunDemo(options.dir, std::cout, std::cerr);
    std::cerr << "quillomar: unknown command '" << command << "'\n\n" << kUsage;
    return 2;
}
