#include "settings/win/settings_win.h"

#include <windows.h>

#include "settings/text.h"
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
    auto bytes = ReadWholeFile(path, &error);
    if (bytes) return bytes;
    // A file that exists but cannot be read counts as existing (and empty).
    if (PathExists(path)) return std::string();
    return std::nullopt;
}

bool Win32FileAccess::ReplaceWhole(const std::string& path, std::string_view bytes)
{
    return ReplaceFileSafely(path, bytes);
}

bool Win32FileAccess::FileExists(const std::string& path)
{
    return PathExists(path);
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
