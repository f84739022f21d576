#include "core/player_folder.h"

namespace quillomar {

std::string PathInFolder(std::string_view folder, std::string_view name) {
    std::string path(folder);
    if (!path.empty() && platform::kFolderSeparators.find(path.back()) == std::string_view::npos) {
        path += platform::kFolderSeparators.front();
    }
    return path.append(name);
}

std::string_view FolderOf(std::string_view path) {
    const std::size_t last = path.find_last_of(platform::kFolderSeparators);
    return last == std::string_view::npos ? std::string_view() : path.substr(0, last + 1);
}

std::string_view FileName(std::string_view path) {
    // Either separator, in both builds: a name told on the screen is told alike by both.
    const std::size_t last = path.find_last_of("/\\");
    return last == std::string_view::npos ? path : path.substr(last + 1);
}

}  // namespace quillomar
