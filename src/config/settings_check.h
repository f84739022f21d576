#pragma once
// What is odd in a settings file, said the way the plug-in reads it: keys and sections it does
// not know, values it reads as something other than what was written, values whose effect
// surprises, keys given twice, and keys that govern nothing. The log and the settings checker
// both print this one report, so they can never disagree.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/player_text.h"

namespace quillomar {

// The problems of a settings file's bytes, by line.
std::vector<FileProblem> CheckSettingsText(std::string_view file);

// The line of the file where the reads find the key, or 0 when they find none.
std::size_t SettingLine(std::string_view file, const char* section, const char* key);

}  // namespace quillomar
