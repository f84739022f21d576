#include "check_command.h"

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <system_error>

#include "platform/text_files.h"
#include "plugin/player_files.h"

namespace tool {
namespace {

namespace fs = std::filesystem;

// The list file the settings name, as the plug-in finds it: a name alone beside the settings file.
std::optional<quillomar::LineFileLoad> LoadListBeside(const fs::path& settingsFile, const std::string& listName) {
    if (listName.empty()) return std::nullopt;
    fs::path listFile = listName;
    if (listFile.is_relative()) listFile = settingsFile.parent_path() / listFile;
    return quillomar::LoadLineFile(listFile.string().c_str());
}

}  // namespace

int RunCheck(std::string_view program, std::span<const std::string_view> args, std::ostream& out, std::ostream& err) {
    if (args.size() > 1 || (!args.empty() && args[0].starts_with("-"))) {
        err << "usage: " << program << " [FILE|FOLDER]\n"
            << "Checks a Quillomar.ini as the plug-in reads it (default: the one in the current folder), and the\n"
            << "taunt list file it names.\n";
        return 2;
    }
    fs::path path = args.empty() ? "Quillomar.ini" : fs::path(args[0]);
    std::error_code error;
    if (fs::is_directory(path, error)) path /= "Quillomar.ini";
    std::optional<std::string> bytes = quillomar::platform::ReadFileBytes(path.string().c_str());
    if (!bytes) {
        err << program << ": cannot read " << path.string() << ": " << quillomar::platform::LastErrorText() << "\n";
        return 2;
    }
    const std::string listName = quillomar::ListFileSetting(*bytes);
    const std::optional<quillomar::LineFileLoad> lines = LoadListBeside(path, listName);
    const quillomar::FilesReport report =
        quillomar::ReportPlayerFiles(path.filename().string(), *bytes, listName, lines);
    out << report.text;
    return report.settingsProblems + report.lineProblems == 0 ? 0 : 1;
}

}  // namespace tool
