// The process-wide settings store over the real settings file, and the program's own folders. These belong to
// the process, not to the main window: start-up loads the store before the window exists, and a test may
// start the window several times over the same program folder.
#pragma once

#include <string>

#include "settings/path_environment.h"
#include "settings/settings_store.h"

namespace pw {

// Real files, replaced safely.
class Win32FileAccess : public FileAccess {
public:
    // Failures leave the system's error code as the last error, and FileExists keeps it: the report of a
    // refused or failed write names the error that counted.
    std::optional<std::string> ReadFile(const std::string& path) override;
    bool ReplaceWhole(const std::string& path, std::string_view bytes) override;
    bool FileExists(const std::string& path) override;
};

// The running program's file; tests point it elsewhere before start-up.
void SetProgramFile(const std::string& path);
const std::string& ProgramFile();
// Drive and folder of the program file, with a trailing backslash.
std::string ProgramFolder();
// "%s%s%s.ini": drive, folder and base name of the program file.
std::string SettingsFilePath();

// The path variables' environment of this machine.
PathEnvironment MachinePaths();

SettingsStore& Settings();
FileAccess& RealFiles();

}  // namespace pw
