// Reading and writing whole files, the same in both builds: the C library's text mode turns each
// newline into CR LF on Windows.

#include "platform/text_files.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>

namespace quillomar::platform {

std::optional<std::string> ReadFileBytes(const char* path, std::optional<std::size_t> maxBytes) {
    std::FILE* file = std::fopen(path, "rb");
    if (file == nullptr) return std::nullopt;
    std::string text;
    char chunk[4096];
    const std::size_t limit = maxBytes ? *maxBytes + 1 : SIZE_MAX;
    for (std::size_t got;
         text.size() < limit && (got = std::fread(chunk, 1, std::min(sizeof chunk, limit - text.size()), file)) > 0;) {
        text.append(chunk, got);
    }
    bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) return std::nullopt;
    return text;
}

bool WriteTextFile(const char* path, std::string_view text, bool append) {
    std::FILE* file = std::fopen(path, append ? "a" : "w");
    if (file == nullptr) return false;
    const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    return std::fclose(file) == 0 && written;  // a full disk may show only when the buffer is flushed
}

}  // namespace quillomar::platform
