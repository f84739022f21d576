#include "plugin_folder.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <system_error>

namespace tool {

namespace fs = std::filesystem;

PluginFolder::~PluginFolder() {
    std::error_code ignored;
    if (!previous_.empty()) fs::current_path(previous_, ignored);
    if (temporary_) fs::remove_all(path_, ignored);
}

bool PluginFolder::Enter(const std::string& dir, std::string& error) {
    std::error_code failure;
    previous_ = fs::current_path(failure);
    fs::path path = dir;
    if (path.empty()) {
        std::string pattern = (fs::temp_directory_path(failure) / "quillomar-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) {
            error = "cannot make a temporary folder: " + std::string(std::strerror(errno));
            return false;
        }
        path = pattern;
        temporary_ = true;
        path_ = path;
    }
    fs::create_directories(path, failure);
    if (!failure) fs::current_path(path, failure);
    if (failure) {
        error = "cannot use the folder '" + dir + "': " + failure.message();
        return false;
    }
    path_ = fs::current_path(failure);
    return true;
}

}  // namespace tool
