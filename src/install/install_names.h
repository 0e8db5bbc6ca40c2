// The file, folder, shortcut and registry names the installer knows of Pagewick. Install shares no code with
// Pagewick: these names are all that crosses between the two programs.
#pragma once

#include <cstddef>

namespace inst {

inline constexpr const char* kProductName = "Pagewick";
inline constexpr const char* kPublisher = "Marlowby";
inline constexpr const char* kProgramFile = "Pagewick.exe";
inline constexpr const char* kSettingsFile = "Pagewick.ini";
inline constexpr const char* kDefaultSettingsFile = "Pagewick_default.ini";
inline constexpr const char* kInstallerFile = "Install.exe";
inline constexpr const char* kLogFile = "LogFile.log";
inline constexpr const char* kManifestFile = "Install.manifest";
inline constexpr const char* kArchivePattern = "pagewick*.zip";
inline constexpr const char* kLicenceEntry = "support\\help\\Licence.txt";
inline constexpr const char* kLicenceFile = "Licence.txt";
inline constexpr const char* kOldProductFolder = "Ferrowind";
inline constexpr const char* kOldSettingsFile = "Ferrowind.ini";
inline constexpr const char* kShortcutGroup = "Pagewick";
inline constexpr const char* kMenuShortcut = "Pagewick text note editor";
inline constexpr const char* kShortcutDescription = "Pagewick text note editor";
inline constexpr const char* kDesktopShortcut = "Pagewick.exe";
inline constexpr const char* kShortcutExtension = ".lnk";
inline constexpr const char* kUninstallKeyPath = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Pagewick";
inline constexpr const char* kUninstallSwitch = "-uninstall";
inline constexpr const char* kSupportFolder = "support";
inline constexpr const char* kFileInfoFolder = "file_info";

// Paths live in 260-byte buffers on the Windows side: at most 259 characters.
inline constexpr std::size_t kMaxPath = 259;

}  // namespace inst
