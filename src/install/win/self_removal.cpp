#include "install/win/self_removal.h"

#include <windows.h>

#include "install/win/files.h"

namespace inst {

std::string RemovalScript(const std::string& file, const std::string& folder)
{
    // rmdir without /s removes only an empty folder: whatever else is there stays.
    std::string script = "@echo off\r\nset tries=0\r\n:again\r\n";
    script += "del /f /q \"" + file + "\" >nul 2>&1\r\n";
    script += "if not exist \"" + file + "\" goto gone\r\n";
    script += "set /a tries+=1\r\nif %tries% geq " + std::to_string(kRemovalTries) + " goto done\r\n";
    script += "ping -n 2 127.0.0.1 >nul 2>&1\r\ngoto again\r\n:gone\r\n";
    if (!folder.empty()) script += "rmdir \"" + folder + "\" >nul 2>&1\r\n";
    script += ":done\r\ndel \"%~f0\"\r\n";
    return script;
}

bool RemoveAfterExit(const std::string& file, const std::string& folder)
{
    char temp[MAX_PATH] = "";
    char script[MAX_PATH] = "";
    if (GetTempPathA(MAX_PATH, temp) == 0 || GetTempFileNameA(temp, "pwu", 0, script) == 0) return false;
    // GetTempFileName made the file "pwuXXXX.tmp"; the command processor runs only ".cmd" and ".bat".
    const std::string path = std::string(script) + ".cmd";
    DeleteFileA(script);
    if (!WriteWholeFile(path, RemovalScript(file, folder))) return false;
    char system[MAX_PATH] = "";
    GetSystemDirectoryA(system, MAX_PATH);
    const std::string cmd = std::string(system) + "\\cmd.exe";
    std::string commandLine = "\"" + cmd + "\" /c \"" + path + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    PROCESS_INFORMATION process = {};
    // The helper must not sit in the installer's folder, or that folder could not be removed.
    if (!CreateProcessA(cmd.c_str(), commandLine.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, temp,
                        &startup, &process)) {
        DeleteFileA(path.c_str());
        return false;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

}  // namespace inst
