#pragma once
// What a start of the plug-in read of the player's files, as the trace records it.

#include <string>
#include <string_view>

#include "config/settings.h"
#include "speech/line_catalogue.h"
#include "speech/muted_lines.h"

namespace tool {

// Every field of the settings as a JSON object, named Section.Key; a key the default file leaves
// out only when the settings file's bytes give it.
std::string SettingsObject(const quillomar::Settings& settings, std::string_view iniBytes);

// The lists a taunt list file gave, in the file's order:
// [{"voice":"arthur","list":"dead","rows":[["NAME",variation,conditions,generic,voice],...]},...]
std::string LinesArray(const quillomar::OwnLines& lines);

// The muted lines: [["NAME",3],["NAME",null],...], null for every variation.
std::string MutedArray(const std::vector<quillomar::MutedLine>& lines);

// The files in the current folder read as the plug-in reads them, as a start or reload record's
// fields: "settings":{...}, then ,"lines":[...] when the settings name a list file that was read,
// and ,"muted":[...] when there is a muted file.
std::string LoadedFilesFields();

}  // namespace tool
