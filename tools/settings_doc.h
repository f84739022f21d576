#pragma once

#include <string>

namespace tool {

// The settings reference, docs/settings.md, made from the plug-in's table of settings.
std::string SettingsMarkdown();

// The game's controls a prompt may answer to, docs/controls.md.
std::string ControlsMarkdown();

}  // namespace tool
