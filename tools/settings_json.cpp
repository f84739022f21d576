#include "settings_json.h"

#include <cstdint>

#include "config/key_bindings.h"
#include "config/setting_table.h"
#include "core/player_folder.h"
#include "platform/ini_reader.h"
#include "platform/platform.h"
#include "platform/text_files.h"
#include "plugin/player_files.h"
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
        case SettingType::Key:
            return sim::JsonString(quillomar::KeyBindingText(FieldValue<quillomar::KeyBinding>(settings, def)));
    }
    return "null";
}

std::string Lower(std::string text) {
    for (char& c : text) c = quillomar::LowerAscii(c);
    return text;
}

std::string RowArray(const quillomar::SpeechLine& row) {
    return "[" + sim::JsonString(row.speechName) + "," + std::to_string(row.variation) + "," +
           std::to_string(row.conditions) + "," + (row.generic ? "true" : "false") + "," +
           (row.voice != nullptr ? sim::JsonString(row.voice) : "null") + "]";
}

}  // namespace

std::string SettingsObject(const quillomar::Settings& settings, std::string_view iniBytes) {
    std::string decoded;
    const std::string_view ansi = quillomar::ini::AnsiText(iniBytes, decoded);
    std::string out = "{";
    for (const quillomar::SettingDef& def : quillomar::SettingDefs()) {
        if (!def.inDefaultFile && !quillomar::ini::FindValue(ansi, def.section, def.key)) continue;
        if (out.size() > 1) out += ",";
        out += sim::JsonString(std::string(def.section) + "." + def.key) + ":" + SettingValue(settings, def);
    }
    return out + "}";
}

std::string LinesArray(const quillomar::OwnLines& lines) {
    std::string out = "[";
    for (const quillomar::OwnList& list : lines.lists) {
        if (out.size() > 1) out += ",";
        out += "{\"voice\":" + sim::JsonString(Lower(quillomar::VoiceSetName(list.voice))) +
               ",\"list\":" + sim::JsonString(Lower(quillomar::LineListName(list.list))) + ",\"rows\":[";
        for (std::size_t i = 0; i < list.rows.size(); ++i) out += (i == 0 ? "" : ",") + RowArray(list.rows[i]);
        out += "]}";
    }
    return out + "]";
}

std::string MutedArray(const std::vector<quillomar::MutedLine>& lines) {
    std::string out = "[";
    for (const quillomar::MutedLine& line : lines) {
        if (out.size() > 1) out += ",";
        out += "[" + sim::JsonString(line.name) + "," +
               (line.variation ? std::to_string(*line.variation) : std::string("null")) + "]";
    }
    return out + "]";
}

std::string LoadedFilesFields() {
    const quillomar::Settings settings = quillomar::ReadSettings(quillomar::kSettingsFile.Path());
    const std::string bytes = quillomar::platform::ReadFileBytes(quillomar::kSettingsFile.Path()).value_or("");
    std::string fields = "\"settings\":" + SettingsObject(settings, bytes);
    const std::optional<quillomar::LineFileLoad> lines = quillomar::LoadNamedLineFile(settings);
    if (lines && lines->outcome == quillomar::LineFileLoad::Outcome::Read) {
        fields += ",\"lines\":" + LinesArray(lines->read.lines);
    }
    const quillomar::MutedFileLoad muted = quillomar::LoadMutedFile(quillomar::kMutedFile.Path());
    if (muted.outcome != quillomar::MutedFileLoad::Outcome::Missing) {
        fields += ",\"muted\":" + MutedArray(quillomar::MutedLinesOf(muted).fromFile);
    }
    return fields;
}

}  // namespace tool
