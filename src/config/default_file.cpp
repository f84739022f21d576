#include "config/default_file.h"

#include <cstring>

#include "config/setting_table.h"

namespace quillomar {

std::string DefaultSettingsText() {
    std::string text = "; Quillomar Configuration\n; Auto-generated default settings\n";
    const char* section = nullptr;
    for (const SettingDef& def : SettingDefs()) {
        if (!def.inDefaultFile) continue;
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

platform::WriteOutcome WriteDefaultSettingsFile(const char* path) {
    return platform::WriteNewTextFile(path, DefaultSettingsText());
}

}  // namespace quillomar
