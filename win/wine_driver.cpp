#include "wine_driver.h"

#include <windows.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>

#include "config/settings.h"
#include "platform/platform.h"
#include "plugin_module.h"
#include "scenario.h"
#include "settings_json.h"
#include "trace.h"
#include "windows_error.h"

namespace {

constexpr const char* kUsage =
    "usage: quillomar_wine run FILE --plugin ASI [--dir DIR] [--trace OUT] [--lock-settings]\n"
    "\n"
    "Plays a scenario file against the plug-in ASI, loaded into the stand-in script host.\n"
    "  --dir DIR          the plug-in's current directory, created if missing (default: the current one)\n"
    "  --trace OUT        write the run's trace to OUT, as `quillomar run` does\n"
    "  --lock-settings    hold Quillomar.ini open without sharing while the plug-in runs\n";

struct Options {
    std::string scenario;
    std::string plugin;
    std::string dir;
    std::string trace;
    bool lockSettings = false;
};

Options gOptions;
HANDLE gSettingsLock = INVALID_HANDLE_VALUE;

std::string FullPath(const std::string& path) {
    char full[MAX_PATH];
    DWORD length = GetFullPathNameA(path.c_str(), sizeof full, full, nullptr);
    return length == 0 || length >= sizeof full ? path : std::string(full, length);
}

bool ParseOptions(int argc, char** argv, Options& options) {
    if (argc < 3 || std::string_view(argv[1]) != "run") return false;
    options.scenario = argv[2];
    for (int i = 3; i < argc; ++i) {
        std::string_view arg = argv[i];
        std::string* value = arg == "--plugin"  ? &options.plugin
                             : arg == "--dir"   ? &options.dir
                             : arg == "--trace" ? &options.trace
                                                : nullptr;
        if (arg == "--lock-settings") {
            options.lockSettings = true;
        } else if (value != nullptr && i + 1 < argc) {
            *value = argv[++i];
        } else {
            return false;
        }
    }
    return !options.plugin.empty();
}

// Another program holding the file open without sharing: the plug-in can neither read nor
// replace it.
void LockSettingsFile() {
    gSettingsLock = CreateFileA(quillomar::kSettingsFile.Path(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (gSettingsLock == INVALID_HANDLE_VALUE) {
        std::fprintf(stderr, "quillomar_wine: cannot lock %s: %s\n", quillomar::kSettingsFile.Path(),
                     standin::WindowsErrorText(GetLastError()).c_str());
        std::exit(3);
    }
}

void LoadPlugin() {
    if (gOptions.lockSettings) LockSettingsFile();
    standin::LoadPluginModule(gOptions.plugin);
}

void UnloadPlugin() { standin::UnloadPluginModule(); }

// The settings read with Windows' own private-profile functions, through the plug-in's table of
// keys, and the list file with the plug-in's own reader.
constexpr sim::PluginHooks kShippedPlugin = {LoadPlugin, UnloadPlugin, tool::LoadedFilesFields,
                                             standin::PluginSettingsReads};

bool ReadWholeFile(const std::string& path, std::string& text) {
    std::ifstream file(path, std::ios::binary);
    text.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    return static_cast<bool>(file);
}

// Makes dir the current directory, creating it if missing, as the Linux tool does.
bool EnterDirectory(const std::string& dir) {
    std::error_code failure;
    std::filesystem::create_directories(dir, failure);
    if (!failure && SetCurrentDirectoryA(dir.c_str())) return true;
    std::string why = failure ? failure.message() : standin::WindowsErrorText(GetLastError());
    std::fprintf(stderr, "quillomar_wine: cannot use the folder %s: %s\n", dir.c_str(), why.c_str());
    return false;
}

int Play(const sim::Scenario& scenario, sim::TraceWriter& trace) {
    std::string problem;
    if (!sim::PlaceScenarioFiles(scenario, problem)) {
        std::fprintf(stderr, "quillomar_wine: %s\n", problem.c_str());
        return 2;
    }
    sim::ScenarioListener listener;
    listener.event = [](const sim::ScenarioEvent& event) {
        std::printf("  frame %lld  tick %u  %s\n", static_cast<long long>(event.frame), event.tick, event.text.c_str());
    };
    sim::ScenarioResult result =
        sim::PlayScenario(scenario, kShippedPlugin, listener, trace.IsOpen() ? &trace : nullptr);
    if (gSettingsLock != INVALID_HANDLE_VALUE) CloseHandle(gSettingsLock);
    if (!trace.Close()) {
        std::fprintf(stderr, "quillomar_wine: cannot write the trace to %s\n", gOptions.trace.c_str());
        return 2;
    }
    for (const std::string& failure : result.failures)
        std::fprintf(stderr, "expectation failed: %s\n", failure.c_str());
    return result.failures.empty() ? 0 : 1;
}

}  // namespace

extern "C" int QuillomarWineMain(int argc, char** argv) {
    if (!ParseOptions(argc, argv, gOptions)) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    std::string json;
    std::string error;
    if (!ReadWholeFile(gOptions.scenario, json)) error = "cannot read the file";
    std::optional<sim::Scenario> scenario = error.empty() ? sim::ParseScenario(json, error) : std::nullopt;
    if (!scenario) {
        std::fprintf(stderr, "quillomar_wine: %s: %s\n", gOptions.scenario.c_str(), error.c_str());
        return 2;
    }
    gOptions.plugin = FullPath(gOptions.plugin);
    sim::TraceWriter trace;
    if (!gOptions.trace.empty()) {
        gOptions.trace = FullPath(gOptions.trace);
        if (!trace.Open(gOptions.trace)) {
            std::fprintf(stderr, "quillomar_wine: cannot write the trace to %s: %s\n", gOptions.trace.c_str(),
                         std::strerror(errno));
            return 2;
        }
    }
    if (!gOptions.dir.empty() && !EnterDirectory(gOptions.dir)) return 2;
    return Play(*scenario, trace);
}
