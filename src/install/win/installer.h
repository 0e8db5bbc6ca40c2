// The installer's one state: what the user chose, where things go, and the seams tests use to keep every
// folder and registry key inside their own sandbox.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "install/install_ids.h"

namespace inst {

// Where the installer puts and finds things. The system's folders by default (SystemTargets); tests point
// every one of them into a temporary folder and the registry root at a test key.
struct InstallTargets {
    std::string installerFile;    // the running Install.exe (the archive lies beside it)
    std::string programFiles;     // CSIDL_PROGRAM_FILES
    std::string appData;          // CSIDL_APPDATA
    std::string commonPrograms;   // CSIDL_COMMON_PROGRAMS
    std::string userPrograms;     // CSIDL_PROGRAMS (may be empty)
    std::string desktop;          // CSIDL_DESKTOPDIRECTORY
    std::string oldSettingsFile;  // Program Files\Ferrowind\Ferrowind.ini
    HKEY registryRoot = HKEY_LOCAL_MACHINE;
    std::string uninstallKey;  // below registryRoot
    std::string programFile;   // started after installing; the program folder's Pagewick.exe when empty
};

// What the installer asks and tells; message boxes by default, answers given by tests.
struct InstallHooks {
    std::function<bool(HWND owner)> useOldSettings;                 // "Old ini file exists"
    std::function<void(HWND owner, const std::string& text)> warn;  // one box, titled "Error"
    std::function<std::string(HWND owner)> pickFolder;              // "" when cancelled
};

struct InstallerState {
    bool uninstall = false;
    std::string programFolder;  // empty until first needed
    int placement = IDC_FOR_EVERYONE;
    bool desktopShortcut = false;
    bool launchAfterInstall = true;
    std::string licenceFile;  // the extracted agreement text, once shown
    std::string archivePath;
};

struct Installer {
    InstallerState state;
    InstallTargets targets;
    InstallHooks hooks;
    bool quitOnClose = true;  // the program ends with its window; tests keep running
};

// The system's folders and the real uninstall key.
InstallTargets SystemTargets();
// Message boxes and the system folder picker.
InstallHooks SystemHooks();

// Program Files joined with "Pagewick", or the system drive's "Program Files\Pagewick" without one.
std::string DefaultProgramFolder(const InstallTargets& targets);
// The program folder, defaulted when still empty.
const std::string& ProgramFolder(Installer& installer);
// The folder holding the running installer.
std::string InstallerFolder(const InstallTargets& targets);

}  // namespace inst
