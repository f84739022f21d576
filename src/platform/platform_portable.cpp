// The portable platform: time comes from the host that runs the plug-in (the simulated game),
// settings from the portable INI reader.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "platform/ini_reader.h"
#include "platform/platform.h"

// Provided at link time by the host that runs the plug-in.
extern "C" std::uint32_t hostTickCount();
extern "C" std::uint32_t hostCalendarSeconds();
extern "C" std::uint32_t hostKeyDown(std::uint32_t virtualKey);

namespace quillomar::platform {
namespace {

// An unreadable or missing file (a folder of that name included) reads as empty, so every key
// takes its default.
std::string ReadWholeFile(const char* path) {
    std::string text;
    std::FILE* file = std::fopen(path, "rb");
    if (file == nullptr) return text;
    char chunk[65536];
    for (std::size_t got; (got = std::fread(chunk, 1, sizeof chunk, file)) > 0;) text.append(chunk, got);
    std::fclose(file);
    return text;
}

// The file a ProfileReadScope holds: its bytes and their ANSI text.
struct HeldFile {
    std::string path;
    std::string bytes;
    std::string decoded;
    std::string_view ansi;
    bool held = false;
};
HeldFile gHeld;

// The ANSI text of the file at path: the held one, or read and decoded into the storage given.
std::string_view AnsiTextOf(const char* path, std::string& bytes, std::string& decoded) {
    if (gHeld.held && gHeld.path == path) return gHeld.ansi;
    bytes = ReadWholeFile(path);
    return ini::AnsiText(bytes, decoded);
}

std::string_view FolderOf(std::string_view path) {
    std::size_t slash = path.rfind('/');
    return slash == std::string_view::npos ? std::string_view(".") : path.substr(0, slash + 1);
}

bool WriteAll(int fd, std::string_view text) {
    while (!text.empty()) {
        ssize_t written = write(fd, text.data(), text.size());
        if (written < 0 && errno == EINTR) continue;
        if (written < 0) return false;
        if (written == 0) {
            errno = EIO;
            return false;
        }
        text.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Moves from to to unless something exists at to: an atomic no-replace rename where the file
// system has one, else a hard link (which fails on any name that exists, a dangling link too).
bool MoveIntoPlaceIfFree(const char* from, const char* to) {
    if (renameat2(AT_FDCWD, from, AT_FDCWD, to, RENAME_NOREPLACE) == 0) return true;
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP) return false;
    return link(from, to) == 0;
}

WriteOutcome Failed(int error) { return {false, std::strerror(error)}; }

}  // namespace

std::uint32_t TickCount() { return hostTickCount(); }
std::uint32_t CalendarSeconds() { return hostCalendarSeconds(); }

bool KeyHeld(std::uint32_t virtualKey) { return hostKeyDown(virtualKey) != 0; }

ProfileReadScope::ProfileReadScope(const char* path) {
    gHeld.path = path;
    gHeld.bytes = ReadWholeFile(path);
    gHeld.ansi = ini::AnsiText(gHeld.bytes, gHeld.decoded);
    gHeld.held = true;
}

ProfileReadScope::~ProfileReadScope() { gHeld = HeldFile{}; }

std::int32_t ReadProfileInt(const char* section, const char* key, std::int32_t defaultValue, const char* path) {
    std::string bytes, decoded;
    return static_cast<std::int32_t>(ini::ReadAnsiInt(AnsiTextOf(path, bytes, decoded), section, key, defaultValue));
}

void ReadProfileString(const char* section, const char* key, const char* defaultText, char* buffer, std::uint32_t size,
                       const char* path) {
    std::string bytes, decoded;
    ini::ReadAnsiString(AnsiTextOf(path, bytes, decoded), section, key, defaultText, buffer, size);
}

bool FileExists(const char* path) {
    struct stat status;
    return stat(path, &status) == 0;
}

FileStamp StampOf(const char* path) {
    struct stat status;
    if (stat(path, &status) != 0) return {};
    const auto nanoseconds = static_cast<std::uint64_t>(status.st_mtim.tv_sec) * 1000000000u +
                             static_cast<std::uint64_t>(status.st_mtim.tv_nsec);
    return {true, static_cast<std::uint64_t>(status.st_size), nanoseconds};
}

namespace {

// Writes text to a temporary file beside path, flushed to the disk, then moves it into place.
WriteOutcome WriteThroughTemporary(const char* path, std::string_view text, bool replace) {
    std::string temporary;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        temporary = std::string(FolderOf(path)) + ".Quillomar-" + std::to_string(getpid()) + "-" +
                    std::to_string(attempt) + ".tmp";
        fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) return Failed(errno);
    }
    if (fd < 0) return Failed(EEXIST);
    bool ok = WriteAll(fd, text) && fsync(fd) == 0;
    int error = errno;
    if (close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    bool moved = ok && (replace ? rename(temporary.c_str(), path) == 0 : MoveIntoPlaceIfFree(temporary.c_str(), path));
    if (ok && !moved) error = errno;
    // After a rename the name is gone; after a link, or a failure, it is removed here.
    unlink(temporary.c_str());
    ok = moved;
    return ok ? WriteOutcome{true, {}} : Failed(error);
}

}  // namespace

WriteOutcome WriteNewTextFile(const char* path, std::string_view text) {
    return WriteThroughTemporary(path, text, false);
}
WriteOutcome ReplaceTextFile(const char* path, std::string_view text) {
    return WriteThroughTemporary(path, text, true);
}

}  // namespace quillomar::platform
