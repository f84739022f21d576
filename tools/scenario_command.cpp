#include "scenario_command.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <stdexcept>
#include <system_error>

#include "config/settings.h"
#include "core/player_folder.h"
#include "demo_scenario.h"
#include "platform/platform.h"
#include "plugin/plugin.h"
#include "plugin/plugin_state.h"
#include "plugin_folder.h"
#include "scenario.h"
#include "settings_json.h"

namespace tool {
namespace {

namespace fs = std::filesystem;

// Any module handle will do: the simulated host only compares it.
int gModuleToken = 0;

// Loads the plug-in as the host does; as the Wine driver does, it must have registered its script
// and its keyboard handler, or nothing after could be trusted.
void LoadPlugin() {
    quillomar::AttachPlugin(&gModuleToken);
    const sim::Game& game = sim::TheGame();
    if (game.scriptEntry == nullptr || game.keyboardHandler == nullptr) {
        throw std::runtime_error("loading the plug-in did not register its script and keyboard handler");
    }
}
void UnloadPlugin() { quillomar::DetachPlugin(&gModuleToken); }
std::uint32_t Reloads() {
    const quillomar::PluginState* running = quillomar::RunningPlugin();
    return running != nullptr ? running->reloads : 0;
}
constexpr sim::PluginHooks kLinuxPlugin = {LoadPlugin, UnloadPlugin, LoadedFilesFields, Reloads};

// The plug-in writes its default file where it finds none: that needs a folder it can write in.
bool CanWriteHere(std::string& error) {
    char probe[] = "quillomar-probe-XXXXXX";
    int file = mkstemp(probe);
    if (file < 0) {
        error = std::strerror(errno);
        return false;
    }
    close(file);
    unlink(probe);
    return true;
}

int CountLines(const char* file) {
    std::ifstream in(file);
    int lines = 0;
    for (std::string line; std::getline(in, line);) ++lines;
    return lines;
}

// Enters the plug-in's folder for a run; false, with the reason told, when it cannot.
bool EnterFolder(PluginFolder& folder, const std::string& dir, std::ostream& err) {
    std::string error;
    if (folder.Enter(dir, error)) return true;
    err << "quillomar: " << error << "\n";
    return false;
}

// Says where the settings came from, once the first frame's start-up has run. A default file
// that could not be written (a link to nowhere, a full disk) is said so: the plug-in then runs on
// its built-in defaults, as it does in the game.
void TellStartUp(const sim::Scenario& scenario, bool hadSettings, bool ranStartUp, std::ostream& out) {
    if (!ranStartUp) {
        out << "settings: no frame was run, so the plug-in never started\n";
    } else if (hadSettings || scenario.ini) {
        out << "settings: read Quillomar.ini\n";
    } else if (fs::is_regular_file(quillomar::kSettingsFile.Name())) {
        out << "settings: no " << quillomar::kSettingsFile.Name() << ", so the commented default file was written ("
            << CountLines(quillomar::kSettingsFile.Name()) << " lines)\n";
    } else {
        out << "settings: no Quillomar.ini, and the default file could not be written: built-in defaults\n";
    }
    out << "seed: " << scenario.calendarSeconds << " (the calendar seconds at start-up)\n";
}

int PlayIn(const sim::Scenario& scenario, const std::string& source, const PluginFolder& folder,
           const std::string& tracePath, std::ostream& out, std::ostream& err) {
    std::string where = folder.path().string();
    sim::TraceWriter trace;
    if (!tracePath.empty() && !trace.Open(tracePath)) {
        err << "quillomar: cannot write the trace to '" << tracePath << "': " << std::strerror(errno) << "\n";
        return 2;
    }
    std::string problem;
    if (!sim::PlaceScenarioFiles(scenario, problem)) {
        err << "quillomar: " << where << ": " << problem << "\n";
        return 2;
    }
    bool hadSettings = fs::exists(quillomar::kSettingsFile.Name());
    if (!hadSettings && !CanWriteHere(problem)) {
        err << "quillomar: cannot write in the folder '" << where << "' (" << problem
            << "), where the plug-in would write its default Quillomar.ini\n";
        return 2;
    }
    out << "Quillomar in the simulated game, in " << where
        << (folder.temporary() ? " (a temporary folder, removed at the end)" : "") << "\n";
    out << "scenario: " << (scenario.name.empty() ? source : scenario.name) << "\n";
    if (!scenario.description.empty()) out << scenario.description << "\n";

    bool started = false;
    std::vector<std::string> earlyNotes;  // narration before the first frame follows the start-up lines
    sim::ScenarioListener listener;
    listener.started = [&](bool ranStartUp) {
        started = true;
        TellStartUp(scenario, hadSettings, ranStartUp, out);
        for (const std::string& note : earlyNotes) out << "\n" << note << "\n";
    };
    listener.event = [&](const sim::ScenarioEvent& event) {
        out << "  frame " << event.frame << "  tick " << event.tick << "  " << event.text << "\n";
    };
    listener.note = [&](const std::string& note) {
        if (!started) earlyNotes.push_back(note);
        if (started) out << "\n" << note << "\n";
    };
    sim::ScenarioResult result = sim::PlayScenario(scenario, kLinuxPlugin, listener, trace.IsOpen() ? &trace : nullptr);
    if (!trace.Close()) {
        err << "quillomar: cannot write the trace to '" << tracePath << "'\n";
        return 2;
    }
    for (const std::string& failure : result.failures) err << "expectation failed: " << failure << "\n";
    return result.failures.empty() ? 0 : 1;
}

std::optional<sim::Scenario> Parse(const std::string& json, const std::string& source, std::ostream& err) {
    std::string error;
    std::optional<sim::Scenario> scenario = sim::ParseScenario(json, error);
    if (!scenario) err << "quillomar: " << source << ": " << error << "\n";
    return scenario;
}

std::string AbsolutePath(const std::string& path) {
    std::error_code ignored;
    return path.empty() ? path : fs::absolute(path, ignored).string();
}

}  // namespace

int PlayScenarioText(const std::string& json, const std::string& source, const PlayOptions& options, std::ostream& out,
                     std::ostream& err) {
    std::optional<sim::Scenario> scenario = Parse(json, source, err);
    if (!scenario) return 2;
    std::string tracePath = AbsolutePath(options.tracePath);
    PluginFolder folder;
    if (!EnterFolder(folder, options.dir, err)) return 2;
    return PlayIn(*scenario, source, folder, tracePath, out, err);
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
    std::optional<sim::Scenario> demo = Parse(kDemoScenario, "demo", err);
    std::optional<sim::Scenario> autoDemo = Parse(kDemoAutoScenario, "demo_auto", err);
    std::optional<sim::Scenario> ownDemo = Parse(kDemoOwnScenario, "demo_own", err);
    if (!demo || !autoDemo || !ownDemo) return 2;
    std::string tracePath = AbsolutePath(options.tracePath);
    PluginFolder folder;
    if (!EnterFolder(folder, options.dir, err)) return 2;
    int result = PlayIn(*demo, "demo", folder, tracePath, out, err);
    // The automatic taunts replace the prompts for a whole run, and the player's own lines come
    // with settings of his, so each plays with settings of its own, in a folder of its own: the
    // first part's default file stays as it was.
    const std::pair<const sim::Scenario*, const char*> parts[] = {{&*autoDemo, "auto-taunts"},
                                                                  {&*ownDemo, "own-lines"}};
    for (const auto& [part, subfolder] : parts) {
        if (result != 0) return result;
        PluginFolder partFolder;
        if (!EnterFolder(partFolder, (folder.path() / subfolder).string(), err)) return 2;
        out << "\n";
        result = PlayIn(*part, part->name, partFolder, "", out, err);
    }
    return result;
}

}  // namespace tool
