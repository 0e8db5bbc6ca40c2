#include "notes/win/file_info.h"

#include <windows.h>
#include <shlobj.h>

#include "library/roots.h"
#include "notes/note_text.h"
#include "settings/win/settings_win.h"

namespace pw {

std::string FileInfoFolder()
{
    std::string dir = Settings().GetString("FileInfoDir", "");
    // Expansion reports whether the folder exists; it may not yet (start-up creates it).
    if (!dir.empty()) ExpandPath(dir, MachinePaths());
    return pw::FileInfoFolder(dir, ProgramFolder());
}

void EnsureFileInfoFolder()
{
    const std::string folder = FileInfoFolder();
    if (!folder.empty()) SHCreateDirectoryExA(nullptr, folder.c_str(), nullptr);
}

std::string InfoFileFor(const std::string& filePath)
{
    const bool withOriginal = Settings().GetBoolDefaultTrue("FwFileWithOriginal");
    const std::optional<std::string> found =
        InfoFilePath(filePath, withOriginal, withOriginal ? std::string() : FileInfoFolder());
    if (!found) return {};
    std::string path = *found;
    ExpandPath(path, MachinePaths());
    // Written to the info file alone: the settings store's memory holds the program's own settings only.
    if (!withOriginal) Settings().SetFileOnly(path, "General", "FileName", filePath);
    return path;
}

}  // namespace pw
