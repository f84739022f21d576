#pragma once

#include <string>

namespace tool {

// The settings reference, docs/settings.md, made from the plug-in's table of settings.
std::string SettingsMarkdown();

}  // namespace tool
