// ini_probe: prints what the platform's INI reads give for every key of the plug-in, and the
// settings the plug-in loads, for each file named on the command line (relative to the current
// directory). Built twice: on Windows the reads are GetPrivateProfileIntA and
// GetPrivateProfileStringA, on Linux the portable reader; the Wine tests compare the two outputs
// line for line, and the Linux output is also checked against its record.

#include <bit>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "config/setting_table.h"
#include "config/settings.h"
#include "platform/platform.h"

namespace {

// The plug-in's own buffers are 64 and 256 bytes; the small sizes probe the cut at the end.
constexpr std::uint32_t kBufferSizes[] = {1, 2, 3, 5, 16, 64, 256};

#ifdef _WIN32
constexpr const char* kHere = ".\\";
#else
constexpr const char* kHere = "./";
#endif

constexpr char kUnwritten = '#';

// Bytes outside printable ASCII as \xNN, so that every read is one line.
std::string Escaped(std::string_view text) {
    std::string out;
    for (char c : text) {
        auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F && byte != '\\') {
            out += c;
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", byte);
            out += hex;
        }
    }
    return out;
}

void Hex(std::uint32_t value) { std::printf("%08X", static_cast<unsigned>(value)); }

// The text a read left in a buffer of size bytes; a reader that leaves it unterminated or
// writes beyond it is shown so.
std::string ReadResult(const char* buffer, std::size_t size, std::size_t capacity) {
    for (std::size_t i = size; i < capacity; ++i) {
        if (buffer[i] != kUnwritten) return "<written beyond the buffer>";
    }
    const void* end = std::memchr(buffer, '\0', size);
    if (end == nullptr) return "<not terminated>";
    return Escaped(std::string_view(buffer, static_cast<const char*>(end) - buffer));
}

// The default text the plug-in passes: floats go through "%.2f".
std::string DefaultText(const quillomar::SettingDef& def) {
    if (def.Type() != quillomar::SettingType::Float) return def.defaultText;
    char text[64];
    std::snprintf(text, sizeof text, "%.2f", std::atof(def.defaultText));
    return text;
}

void ProbeKey(const std::string& path, const quillomar::SettingDef& def) {
    namespace platform = quillomar::platform;
    std::printf("%s.%s int=%d", def.section, def.key,
                platform::ReadProfileInt(def.section, def.key, std::atoi(def.defaultText), path.c_str()));
    std::string defaultText = DefaultText(def);
    for (std::uint32_t size : kBufferSizes) {
        char buffer[300];
        std::memset(buffer, kUnwritten, sizeof buffer);
        platform::ReadProfileString(def.section, def.key, defaultText.c_str(), buffer, size, path.c_str());
        std::printf(" s%u=\"%s\"", size, ReadResult(buffer, size, sizeof buffer).c_str());
    }
    std::printf("\n");
}

// Every loaded value in one line; floats and controls as their bits, so both C libraries agree.
void PrintLoadedSettings(const std::string& path) {
    using quillomar::Settings;
    const Settings settings = quillomar::ReadSettings(path.c_str());
    std::printf("loaded");
    for (const quillomar::SettingDef& def : quillomar::SettingDefs()) {
        const auto& field = def.field;
        std::printf(" %s=", def.key);
        if (auto flag = std::get_if<bool Settings::*>(&field)) std::printf("%d", settings.*(*flag) ? 1 : 0);
        if (auto number = std::get_if<std::int32_t Settings::*>(&field)) std::printf("%d", int{settings.*(*number)});
        if (auto real = std::get_if<float Settings::*>(&field)) Hex(std::bit_cast<std::uint32_t>(settings.*(*real)));
        if (auto control = std::get_if<std::uint32_t Settings::*>(&field)) Hex(settings.*(*control));
        if (def.Type() == quillomar::SettingType::Text) {
            std::printf("\"%s\"", Escaped(quillomar::TextValue(settings, def)).c_str());
        }
    }
    std::printf("\n");
}

}  // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        std::printf("== %s\n", argv[i]);
        std::string path = std::string(kHere) + argv[i];
        for (const quillomar::SettingDef& def : quillomar::SettingDefs()) ProbeKey(path, def);
        PrintLoadedSettings(path);
    }
    return 0;
}
