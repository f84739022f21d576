// The plug-in's folder on Linux: files are written and stamped through POSIX; nothing is locked.

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "folder_files.h"

namespace sim {

bool WriteFolderFile(const std::string& name, const std::string& text, std::uint64_t wallMs, std::string& error) {
    std::FILE* file = std::fopen(name.c_str(), "wb");
    bool written = file != nullptr && std::fwrite(text.data(), 1, text.size(), file) == text.size();
    if (file != nullptr && std::fclose(file) != 0) written = false;
    const timespec time{static_cast<time_t>(wallMs / 1000), static_cast<long>(wallMs % 1000) * 1000000};
    const timespec times[2] = {time, time};
    if (written && utimensat(AT_FDCWD, name.c_str(), times, 0) == 0) return true;
    error = std::strerror(errno);
    return false;
}

bool RemoveFolderFile(const std::string& name, std::string& error) {
    if (std::remove(name.c_str()) == 0 || errno == ENOENT) return true;
    error = std::strerror(errno);
    return false;
}

bool MakeFolderInFolder(const std::string& name, std::string& error) {
    if (mkdir(name.c_str(), 0755) == 0) return true;
    error = std::strerror(errno);
    return false;
}

bool HoldFolderFile(const std::string&, std::string&) { return true; }
void ReleaseFolderFile(const std::string&) {}
void ReleaseAllFolderFiles() {}

}  // namespace sim
