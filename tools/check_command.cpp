#include "check_command.h"

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <system_error>

#include "config/settings_check.h"
#include "platform/text_files.h"

namespace tool {

int RunCheck(std::string_view program, std::span<const std::string_view> args, std::ostream& out, std::ostream& err) {
    if (args.size() > 1 || (!args.empty() && args[0].starts_with("-"))) {
        err << "usage: " << program << " [FILE|FOLDER]\n"
            << "Checks a Quillomar.ini as the plug-in reads it (default: the one in the current folder).\n";
        return 2;
    }
    std::filesystem::path path = args.empty() ? "Quillomar.ini" : std::filesystem::path(args[0]);
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) path /= "Quillomar.ini";
    std::optional<std::string> bytes = quillomar::platform::ReadFileBytes(path.string().c_str());
    if (!bytes) {
        err << program << ": cannot read " << path.string() << ": " << quillomar::platform::LastErrorText() << "\n";
        return 2;
    }
    std::vector<quillomar::SettingProblem> problems = quillomar::CheckSettingsText(*bytes);
    out << quillomar::SettingsReport(path.filename().string(), problems);
    return problems.empty() ? 0 : 1;
}

}  // namespace tool
