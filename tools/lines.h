#pragma once

#include <iosfwd>
#include <span>
#include <string_view>

namespace tool {

// `quillomar lines`: prints the voice-line catalogue as the plug-in builds it, one row per line,
// tab-separated. args are the words after the command. Returns the process exit code.
int RunLines(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);

}  // namespace tool
