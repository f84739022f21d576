#pragma once

#include <cstdio>
#include <span>
#include <string_view>

namespace tool {

// Checks a settings file as the plug-in reads it, the taunt list file it names and the muted file
// beside it, and prints the report the plug-in's log holds.
// args: nothing (the current folder's Quillomar.ini), a file, or a folder holding Quillomar.ini. A
// taunt list file (its first section names a voice) or Quillomar-muted.txt is checked alone, as
// what it is. Returns 0 when the files have no problems (notes aside), 1 when they have, 2 when the
// file cannot be read.
// (Plain C streams: the Windows checker carries no part of the C++ library's streams or file system.)
int RunCheck(std::string_view program, std::span<const std::string_view> args, std::FILE* out, std::FILE* err);

}  // namespace tool
