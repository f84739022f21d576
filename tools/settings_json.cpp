#include "settings_json.h"

#include <cstdint>

#include "config/setting_table.h"
#include "trace.h"

namespace tool {
namespace {

template <typename T>
T FieldValue(const quillomar::Settings& settings, const quillomar::SettingDef& def) {
    return settings.*std::get<T quillomar::Settings::*>(def.field);
}

std::string SettingValue(const quillomar::Settings& settings, const quillomar::SettingDef& def) {
    using quillomar::SettingType;
    switch (def.Type()) {
        case SettingType::Bool:
            return FieldValue<bool>(settings, def) ? "true" : "false";
        case SettingType::Int:
            return std::to_string(FieldValue<std::int32_t>(settings, def));
        case SettingType::Float:
            return sim::JsonFloat(FieldValue<float>(settings, def));
        case SettingType::Text:
            return sim::JsonString(quillomar::TextValue(settings, def));
        case SettingType::Control:
            return sim::JsonString(sim::JsonHex(FieldValue<std::uint32_t>(settings, def), 8));
    }
    return "null";
}

}  // namespace

std::string SettingsObject(const quillomar::Settings& settings) {
    std::string out = "{";
    for (const quillomar::SettingDef& def : quillomar::SettingDefs()) {
        if (out.size() > 1) out += ",";
        out += sim::JsonString(std::string(def.section) + "." + def.key) + ":" + SettingValue(settings, def);
    }
    return out + "}";
}

}  // namespace tool
