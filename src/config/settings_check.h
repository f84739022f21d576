#pragma once
// What is odd in a settings file, said the way the plug-in reads it: keys and sections it does
// not know, values it reads as something other than what was written, values whose effect
// surprises, keys given twice, and keys that govern nothing. The log and the settings checker
// both print this one report, so they can never disagree.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quillomar {

struct SettingProblem {
    std::size_t line;  // 1 for the file's first line
    std::string text;
};

// The problems of a settings file's bytes, by line.
std::vector<SettingProblem> CheckSettingsText(std::string_view file);

// A summary line naming the file, then one line per problem.
std::string SettingsReport(std::string_view fileName, const std::vector<SettingProblem>& problems);

}  // namespace quillomar
