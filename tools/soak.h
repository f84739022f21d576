#pragma once

#include <iosfwd>
#include <span>
#include <string_view>

namespace tool {

// `quillomar soak`: the plug-in for many frames in a changing, misbehaving world, keeping no
// record; tells the speed, the peak memory and the size of every piece of the plug-in's state.
// Returns 0, 1 when a size passed its bound, 2 for unusable options.
int RunSoak(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);

}  // namespace tool
