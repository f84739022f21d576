#include "config/default_file.h"

#include <cstdio>
#include <cstring>

#include "config/setting_table.h"
#include "platform/text_files.h"

namespace quillomar {

std::string DefaultSettingsText() {
    std::string text = "; Quillomar Configuration\n; Auto-generated default settings\n";
    const char* section = nullptr;
    for (const SettingDef& def : SettingDefs()) {
        bool newSection = section == nullptr || std::strcmp(section, def.section) != 0;
        if (newSection) {
            text += "\n[";
            text += def.section;
            text += "]\n";
            section = def.section;
        } else if (def.comment != nullptr) {
            text += "\n";
        }
        if (def.comment != nullptr) {
            text += def.comment;
            text += "\n";
        }
        text += def.key;
        text += "=";
        text += def.defaultText;
        text += "\n";
    }
    return text;
}

bool WriteDefaultSettingsFile(const char* path, std::string* error) {
    // Text mode: on Windows each newline reaches the file as CR LF.
    std::FILE* file = std::fopen(path, "w");
    bool written = file != nullptr;
    if (written) {
        std::string text = DefaultSettingsText();
        written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
        written = std::fclose(file) == 0 && written;
    }
    if (!written && error != nullptr) *error = platform::LastErrorText();
    return written;
}

}  // namespace quillomar
