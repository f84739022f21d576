#pragma once
// The shipped plug-in inside the stand-in host: loaded with LoadLibrary, as the script host loads
// it, so that its own DllMain registers the script and the keyboard handler; its clock imports
// are then pointed at the simulated game's clock.

#include <string>

namespace standin {

// Loads the plug-in at path and checks that it registered itself. A failure ends the process
// with a message: nothing after it could be trusted.
void LoadPluginModule(const std::string& path);

// Unloads the plug-in and checks that its detach unregistered the script and the handler.
void UnloadPluginModule();

}  // namespace standin
