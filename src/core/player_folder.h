#pragma once
// The player's folder: the folder the game runs in, where Quillomar's files stand beside the
// settings file. Each file's name is spelled here alone; the plug-in reaches each by a path from
// the current folder, made when it is compiled, so that no frame makes one.

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/platform.h"

namespace quillomar {

// A file of the player's folder: its name, and its path from the current folder ("./NAME", or
// ".\NAME" on Windows).
class FolderFile {
  public:
    static constexpr std::size_t kLongestName = 29;

    consteval explicit FolderFile(const char* name) : name_(name) {
        const std::string_view text = name;
        if (text.size() > kLongestName) throw "a file name too long for its path";
        path_[0] = '.';
        path_[1] = platform::kFolderSeparators.front();
        for (std::size_t i = 0; i < text.size(); ++i) path_[2 + i] = text[i];
    }

    constexpr const char* Path() const { return path_; }
    constexpr const char* Name() const { return name_; }

  private:
    const char* name_;
    char path_[kLongestName + 3] = {};
};

inline constexpr FolderFile kSettingsFile{"Quillomar.ini"};
inline constexpr FolderFile kLogFile{"Quillomar.log"};
inline constexpr FolderFile kMutedFile{"Quillomar-muted.txt"};
inline constexpr FolderFile kFieldReportFile{"Quillomar-field-report.txt"};

// What every line Quillomar puts on the screen begins with.
inline constexpr std::string_view kNoticePrefix = "Quillomar: ";

// The path of a file named in a folder: the folder, a separator unless it ends in one, the name;
// the name alone for no folder.
std::string PathInFolder(std::string_view folder, std::string_view name);

// The folder of a path, with the separator that ends it; empty for a name alone.
std::string_view FolderOf(std::string_view path);

// The file's name without its folders, after either separator.
std::string_view FileName(std::string_view path);

}  // namespace quillomar
