#include "notes/win/file_info.h"

#include <windows.h>
#include <shlobj.h>

#include "settings/text.h"
#include "settings/win/settings_win.h"

namespace pw {

std::string FileInfoFolder()
{
    std::string folder = Settings().GetString("FileInfoDir", "");
    if (!folder.empty()) return folder;
    JoinPath(folder, ProgramFolder(), "file_info");
    return folder;
}

void EnsureFileInfoFolder()
{
    const std::string folder = FileInfoFolder();
    if (!folder.empty()) SHCreateDirectoryExA(nullptr, folder.c_str(), nullptr);
}

}  // namespace pw
