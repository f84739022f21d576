#include "check_command.h"

#include <sys/stat.h>

#include <optional>
#include <string>

#include "core/player_folder.h"
#include "core/player_text.h"
#include "platform/text_files.h"
#include "plugin/player_files.h"

namespace tool {
namespace {

bool IsFolder(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// A path from the root, or (on Windows) from a drive.
bool IsAbsolute(std::string_view path) {
    if (!path.empty() && quillomar::platform::kFolderSeparators.find(path.front()) != std::string_view::npos)
        return true;
#ifdef _WIN32
    return path.size() >= 2 && path[1] == ':';
#else
    return false;
#endif
}

// The list file the settings name, as the plug-in finds it: a name alone beside the settings file.
std::optional<quillomar::LineFileLoad> LoadListBeside(std::string_view settingsFile, const std::string& listName) {
    if (listName.empty()) return std::nullopt;
    const std::string listFile =
        IsAbsolute(listName) ? listName : quillomar::PathInFolder(quillomar::FolderOf(settingsFile), listName);
    return quillomar::LoadLineFile(listFile.c_str());
}

// A taunt list file or the muted file handed to the checker alone: its own report.
int CheckListAlone(const std::string& path, std::string_view name, std::FILE* out) {
    const quillomar::FilesReport report = quillomar::SameName(name, quillomar::kMutedFile.Name())
                                              ? quillomar::ReportMutedFile(quillomar::LoadMutedFile(path.c_str()))
                                              : quillomar::ReportListFile(name, quillomar::LoadLineFile(path.c_str()));
    std::fputs(report.text.c_str(), out);
    return report.lineProblems + report.mutedProblems == 0 ? 0 : 1;
}

}  // namespace

int RunCheck(std::string_view program, std::span<const std::string_view> args, std::FILE* out, std::FILE* err) {
    const std::string name(program);
    if (args.size() > 1 || (!args.empty() && args[0].starts_with("-"))) {
        std::fprintf(err,
                     "usage: %s [FILE|FOLDER]\n"
                     "Checks a Quillomar.ini as the plug-in reads it (default: the one in the current folder), the\n"
                     "taunt list file it names and Quillomar-muted.txt beside it; or, given a taunt list file or\n"
                     "Quillomar-muted.txt, that file alone.\n",
                     name.c_str());
        return 2;
    }
    std::string path = args.empty() ? quillomar::kSettingsFile.Name() : std::string(args[0]);
    if (IsFolder(path)) path = quillomar::PathInFolder(path, quillomar::kSettingsFile.Name());
    std::optional<std::string> bytes = quillomar::platform::ReadFileBytes(path.c_str());
    if (!bytes) {
        std::fprintf(err, "%s: cannot read %s: %s\n", name.c_str(), path.c_str(),
                     quillomar::platform::LastErrorText().c_str());
        return 2;
    }
    const std::string_view fileName = std::string_view(path).substr(quillomar::FolderOf(path).size());
    if (quillomar::SameName(fileName, quillomar::kMutedFile.Name()) || quillomar::IsListFileText(*bytes)) {
        return CheckListAlone(path, fileName, out);
    }
    const std::string listName = quillomar::ListFileSetting(*bytes);
    const std::string muted = quillomar::PathInFolder(quillomar::FolderOf(path), quillomar::kMutedFile.Name());
    const quillomar::PlayerLists lists{LoadListBeside(path, listName), quillomar::LoadMutedFile(muted.c_str())};
    const quillomar::FilesReport report = quillomar::ReportPlayerFiles(fileName, *bytes, listName, lists);
    std::fputs(report.text.c_str(), out);
    return report.settingsProblems + report.lineProblems + report.mutedProblems == 0 ? 0 : 1;
}

}  // namespace tool
