#pragma once

#include <string>

#include "config/settings.h"

namespace tool {

// Every field of the settings as a JSON object, named Section.Key, for the trace's first line.
std::string SettingsObject(const quillomar::Settings& settings);

}  // namespace tool
