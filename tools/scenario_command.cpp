#include "scenario_command.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <system_error>

#include "config/settings.h"
#include "demo_scenario.h"
#include "platform/platform.h"
#include "plugin/plugin.h"
#include "scenario.h"
#include "settings_json.h"

namespace tool {
namespace {

// Any module handle will do: the simulated host only compares it.
int gModuleToken = 0;

void LoadPlugin() { quillomar::AttachPlugin(&gModuleToken); }
void UnloadPlugin() { quillomar::DetachPlugin(&gModuleToken); }
std::string LoadedSettings() { return SettingsObject(quillomar::ReadSettings(quillomar::platform::kSettingsPath)); }

constexpr sim::PluginHooks kLinuxPlugin = {LoadPlugin, UnloadPlugin, LoadedSettings};

// Makes dir the current directory (created if missing); an empty dir means a fresh temporary
// directory. Returns the directory used, or an empty string on failure.
std::string EnterDirectory(const std::string& dir) {
    std::error_code error;
    std::filesystem::path path = dir;
    if (path.empty()) {
        std::string pattern = (std::filesystem::temp_directory_path(error) / "quillomar-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) return {};
        path = pattern;
    }
    std::filesystem::create_directories(path, error);
    std::filesystem::current_path(path, error);
    if (error) return {};
    return std::filesystem::current_path(error).string();
}

int CountLines(const char* file) {
    std::ifstream in(file);
    int lines = 0;
    for (std::string line; std::getline(in, line);) ++lines;
    return lines;
}

void TellStartUp(const sim::Scenario& scenario, bool hadSettings, std::ostream& out) {
    if (hadSettings || scenario.ini) {
        out << "settings: read Quillomar.ini\n";
    } else {
        out << "settings: no Quillomar.ini, so the commented default file was written (" << CountLines("Quillomar.ini")
            << " lines)\n";
    }
    out << "seed: " << scenario.calendarSeconds << " (the calendar seconds at start-up)\n";
}

void TellEvents(const sim::ScenarioResult& result, std::ostream& out) {
    std::size_t note = 0;
    for (const sim::ScenarioEvent& event : result.events) {
        for (; note < result.notes.size() && result.notes[note].afterFrame < event.frame; ++note) {
            out << "\n" << result.notes[note].text << "\n";
        }
        out << "  frame " << event.frame << "  tick " << event.tick << "  " << event.text << "\n";
    }
    for (; note < result.notes.size(); ++note) out << "\n" << result.notes[note].text << "\n";
}

bool WriteTrace(const std::vector<std::string>& trace, const std::string& path) {
    std::ofstream file(path, std::ios::binary);
    for (const std::string& line : trace) file << line << '\n';
    return file.good();
}

}  // namespace

int PlayScenarioText(const std::string& json, const std::string& source, const PlayOptions& options, std::ostream& out,
                     std::ostream& err) {
    std::string error;
    std::optional<sim::Scenario> scenario = sim::ParseScenario(json, error);
    if (!scenario) {
        err << "quillomar: " << source << ": " << error << "\n";
        return 2;
    }
    std::filesystem::path tracePath =
        options.tracePath.empty() ? std::filesystem::path() : std::filesystem::absolute(options.tracePath);
    std::string dir = EnterDirectory(options.dir);
    if (dir.empty()) {
        err << "quillomar: cannot use the directory '" << options.dir << "'\n";
        return 2;
    }
    out << "Quillomar in the simulated game, in " << dir << "\n";
    out << "scenario: " << (scenario->name.empty() ? source : scenario->name) << "\n";
    if (!scenario->description.empty()) out << scenario->description << "\n";
    bool hadSettings = std::filesystem::exists("Quillomar.ini");

    sim::ScenarioResult result = sim::PlayScenario(*scenario, kLinuxPlugin);
    TellStartUp(*scenario, hadSettings, out);
    TellEvents(result, out);
    if (!tracePath.empty() && !WriteTrace(result.trace, tracePath.string())) {
        err << "quillomar: cannot write the trace to '" << tracePath.string() << "'\n";
        return 2;
    }
    for (const std::string& failure : result.failures) err << "expectation failed: " << failure << "\n";
    return result.failures.empty() ? 0 : 1;
}

int PlayScenarioFile(const std::string& path, const PlayOptions& options, std::ostream& out, std::ostream& err) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        err << "quillomar: cannot read '" << path << "'\n";
        return 2;
    }
    std::string json((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    return PlayScenarioText(json, path, options, out, err);
}

int RunDemo(const PlayOptions& options, std::ostream& out, std::ostream& err) {
    int result = PlayScenarioText(kDemoScenario, "demo", options, out, err);
    if (result != 0) return result;
    // The automatic taunts replace the prompts for a whole run, so they play with settings of
    // their own, in a folder of their own: the first part's default file stays as it was.
    std::filesystem::path autoDir = std::filesystem::current_path() / "auto-taunts";
    out << "\n";
    return PlayScenarioText(kDemoAutoScenario, "demo_auto", {autoDir.string(), ""}, out, err);
}

}  // namespace tool
