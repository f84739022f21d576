#pragma once

#include <iosfwd>
#include <span>
#include <string_view>

namespace tool {

// `quillomar lines`: prints the built-in voice lines as the plug-in builds them, as a table of one
// row per line or as a taunt list file. args are the words after the command. Returns the
// process exit code.
int RunLines(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);

}  // namespace tool
