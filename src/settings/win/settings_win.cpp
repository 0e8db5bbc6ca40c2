#include "settings/win/settings_win.h"

#include <windows.h>

#include "settings/text.h"
#include "settings/win/messages.h"
#include "settings/win/safe_file.h"

namespace pw {
namespace {

std::string& ProgramFileSlot()
{
    static std::string path;
    return path;
}

std::string ModuleFile()
{
    char buffer[MAX_PATH] = {};
    DWORD n = GetModuleFileNameA(nullptr, buffer, MAX_PATH);
    return std::string(buffer, n < MAX_PATH ? n : 0);
}

}  // namespace

std::optional<std::string> Win32FileAccess::ReadFile(const std::string& path)
{
    DWORD error = 0;
    std::optional<std::string> bytes = ReadWholeFile(path, &error);
    if (!bytes) SetLastError(error);
    return bytes;
}

bool Win32FileAccess::ReplaceWhole(const std::string& path, std::string_view bytes)
{
    DWORD error = 0;
    if (ReplaceFileSafely(path, bytes, &error)) return true;
    // Clean-up after a failed replace may overwrite the last error: the report names the one that counted.
    SetLastError(error);
    return false;
}

bool Win32FileAccess::FileExists(const std::string& path)
{
    const DWORD error = GetLastError();
    const bool exists = PathExists(path);
    SetLastError(error);
    return exists;
}

void SetProgramFile(const std::string& path)
{
    ProgramFileSlot() = path;
}

const std::string& ProgramFile()
{
    std::string& path = ProgramFileSlot();
    if (path.empty()) path = ModuleFile();
    return path;
}

std::string ProgramFolder()
{
    return FolderOf(ProgramFile());
}

std::string SettingsFilePath()
{
    return SettingsFileFor(ProgramFile());
}

PathEnvironment MachinePaths()
{
    PathEnvironment env;
    env.programFolder = ProgramFolder();
    env.documentsFolder = []() -> std::optional<std::string> {
        std::string folder = DocumentsFolder();
        if (folder.empty()) return std::nullopt;
        return folder;
    };
    env.exists = [](const std::string& path) { return PathExists(path); };
    env.adjustForNetwork = Settings().GetBoolDefaultTrue("RootAdjustForNetwork");
    return env;
}

FileAccess& RealFiles()
{
    static Win32FileAccess files;
    return files;
}

SettingsStore& Settings()
{
    static SettingsStore store(RealFiles());
    return store;
}

}  // namespace pw
