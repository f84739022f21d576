#pragma once
// The plug-in's folder for a run of the tool: the current directory while it lasts, the previous
// one again afterwards; a temporary folder is removed at the end, however the run ends.

#include <filesystem>
#include <string>

namespace tool {

class PluginFolder {
  public:
    PluginFolder() = default;
    PluginFolder(const PluginFolder&) = delete;
    PluginFolder& operator=(const PluginFolder&) = delete;
    ~PluginFolder();

    // Enters dir, creating it if missing; an empty dir means a fresh temporary folder.
    bool Enter(const std::string& dir, std::string& error);

    const std::filesystem::path& path() const { return path_; }
    bool temporary() const { return temporary_; }

  private:
    std::filesystem::path previous_;
    std::filesystem::path path_;
    bool temporary_ = false;
};

}  // namespace tool
