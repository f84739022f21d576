#pragma once

#include <iosfwd>
#include <string>

namespace tool {

// Plays the bundled demonstration in the simulated game, in dir (a fresh temporary directory
// when empty), and tells what happens. Returns the process exit code.
int RunDemo(const std::string& dir, std::ostream& out, std::ostream& err);

}  // namespace tool
