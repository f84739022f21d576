#pragma once
// What the plug-in asks of the operating system: a millisecond tick count, the calendar time
// and the settings file. Win32 answers in the shipped plug-in; the portable build answers from
// the simulated game's clock and reads the file with the portable INI reader.

#include <cstdint>
#include <string>
#include <string_view>

namespace quillomar::platform {

// Milliseconds since start-up, wrapping after about 49.7 days.
std::uint32_t TickCount();

// Seconds of the calendar time, truncated to 32 bits.
std::uint32_t CalendarSeconds();

// Whether a key, by its virtual-key code, is down in Windows' key state as of the keyboard message
// being handled: asked on the thread that handles it.
bool KeyHeld(std::uint32_t virtualKey);

// The characters that end a folder in a path, the first the one the system writes.
#ifdef _WIN32
inline constexpr std::string_view kFolderSeparators = "\\/";
#else
inline constexpr std::string_view kFolderSeparators = "/";
#endif

std::int32_t ReadProfileInt(const char* section, const char* key, std::int32_t defaultValue, const char* path);
void ReadProfileString(const char* section, const char* key, const char* defaultText, char* buffer, std::uint32_t size,
                       const char* path);

// True when the path names something that exists, readable or not.
bool FileExists(const char* path);

// What the file system tells of a path without opening it: whether something is there, its size
// and its last write time (in the system's own units); {} for nothing there. Two looks that differ
// in any of these saw a change.
struct FileStamp {
    bool exists;
    std::uint64_t size;
    std::uint64_t writeTime;
    bool operator==(const FileStamp&) const = default;
};
FileStamp StampOf(const char* path);

// While one lives, the profile reads of its path use the file's text as it was read once, at
// its start: a load of many keys reads and decodes the file once, not once per key. Reads of
// another path go to the file as before. (Windows' own profile reads need no such help.)
class ProfileReadScope {
  public:
    explicit ProfileReadScope(const char* path);
    ~ProfileReadScope();
    ProfileReadScope(const ProfileReadScope&) = delete;
    ProfileReadScope& operator=(const ProfileReadScope&) = delete;
};

// What became of writing a new file: written, or the system's words for why it was not.
struct WriteOutcome {
    bool written = false;
    std::string error;
};

// Writes text (lines ending in a newline, which becomes CR LF on Windows) as a new file at path:
// first to a temporary file in the same folder, flushed to the disk, then moved into place only
// if nothing exists at path by then. Whatever is at path (a file, a folder, a link even to
// nothing) is never replaced, changed or written through; on any failure the temporary file is
// removed, so nothing partial is left behind.
WriteOutcome WriteNewTextFile(const char* path, std::string_view text);

// The same, but a file at path is replaced whole, at once: a reader, or a write cut short, finds
// either the old file or the new one, never a part. A folder at path is left as it is.
WriteOutcome ReplaceTextFile(const char* path, std::string_view text);

}  // namespace quillomar::platform
