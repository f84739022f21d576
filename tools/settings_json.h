#pragma once
// What a start of the plug-in read of the player's files, as the trace records it.

#include <string>

#include "config/settings.h"
#include "speech/line_catalogue.h"

namespace tool {

// Every field of the settings as a JSON object, named Section.Key.
std::string SettingsObject(const quillomar::Settings& settings);

// The lists a taunt list file gave, in the file's order:
// [{"voice":"arthur","list":"dead","rows":[["NAME",variation,conditions,generic,voice],...]},...]
std::string LinesArray(const quillomar::OwnLines& lines);

// The files in the current folder read as the plug-in reads them, as a start or reload record's
// fields: "settings":{...}, then ,"lines":[...] when the settings name a list file that was read.
std::string LoadedFilesFields();

}  // namespace tool
