// Arbitrary bytes as the settings file: through the INI reader for every key the plug-in reads
// (with buffers of every awkward size, and each value as a control name), and through the
// settings loader with its number parses, and through the settings checker. The frames' use of
// odd settings is the game target's.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "config/setting_table.h"
#include "config/settings.h"
#include "config/settings_check.h"
#include "core/player_folder.h"
#include "platform/ini_reader.h"
#include "support.h"

using namespace quillomar;
using fuzz::Require;

namespace {

// Each key read as text into buffers of awkward sizes and of the loader's size, and as an
// integer; the text must fit its buffer and end in a NUL. The file is decoded once, as the
// loader does; the decoding of raw text is read through once too.
void ReadEveryKey(std::string_view file) {
    std::string storage;
    std::string_view text = ini::AnsiText(file, storage);
    for (const SettingDef& def : SettingDefs()) {
        for (std::uint32_t size : {1u, 3u, 64u}) {
            char buffer[64];
            std::uint32_t length = ini::ReadAnsiString(text, def.section, def.key, def.defaultText, buffer, size);
            Require(length < size && buffer[length] == '\0', "a value overran its buffer");
            if (size == 64) ControlHashFromName(buffer);
        }
        ini::ReadAnsiInt(text, def.section, def.key, std::atoi(def.defaultText));
    }
    ini::ReadInt(file, "Settings", "MaxDistance", 0);
}

// The texts the plug-in hands to the game as C strings must end inside their fields.
void RequireTextsEnd(const Settings& settings) {
    Require(std::memchr(settings.promptText, '\0', sizeof settings.promptText) != nullptr &&
                std::memchr(settings.combatPromptText, '\0', sizeof settings.combatPromptText) != nullptr &&
                std::memchr(settings.tauntListFile, '\0', sizeof settings.tauntListFile) != nullptr,
            "a text setting has no end");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::EnterScratchFolder();
    std::string_view file(reinterpret_cast<const char*>(data), size);
    ReadEveryKey(file);

    std::FILE* out = std::fopen(kSettingsFile.Name(), "wb");
    Require(out != nullptr && std::fwrite(data, 1, size, out) == size && std::fclose(out) == 0,
            "the settings file could not be written");
    RequireTextsEnd(ReadSettings(kSettingsFile.Name()));
    // The checker reads the same bytes and always says something of them.
    Require(!ProblemReport(kSettingsFile.Name(), CheckSettingsText(file)).empty(), "the checker's report is empty");
    return 0;
}
