#pragma once

#include <iosfwd>
#include <string>

namespace tool {

struct PlayOptions {
    std::string dir;        // the plug-in's current directory; empty: a fresh temporary one
    std::string tracePath;  // where to write the trace; empty: none
};

// Plays a scenario given as JSON text and tells what happens, one line per event. Returns the
// exit code: 0, 1 when an expectation failed, 2 when the scenario or a path is unusable.
int PlayScenarioText(const std::string& json, const std::string& source, const PlayOptions& options, std::ostream& out,
                     std::ostream& err);

// The same for a scenario file.
int PlayScenarioFile(const std::string& path, const PlayOptions& options, std::ostream& out, std::ostream& err);

// Plays the bundled demonstration: the taunts with their prompts in the given folder, then the
// automatic taunts, with their own settings file, in its subfolder auto-taunts.
int RunDemo(const PlayOptions& options, std::ostream& out, std::ostream& err);

}  // namespace tool
