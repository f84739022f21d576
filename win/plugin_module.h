#pragma once
// The shipped plug-in inside the stand-in host: loaded with LoadLibrary, as the script host loads
// it, so that its own DllMain registers the script and the keyboard handler; its clock imports
// are then pointed at the simulated game's clock, and its reads of its settings are counted.

#include <cstdint>
#include <string>

namespace standin {

// Loads the plug-in at path and checks that it registered itself. A failure ends the process
// with a message: nothing after it could be trusted.
void LoadPluginModule(const std::string& path);

// Unloads the plug-in and checks that its detach unregistered the script and the handler.
void UnloadPluginModule();

// How often the plug-in has read its settings file (GetPrivateProfile*) since the host started:
// a frame that moves the count read the player's files.
std::uint32_t PluginSettingsReads();

}  // namespace standin
