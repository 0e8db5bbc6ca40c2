// A temporary folder and a test registry key that stand in for every place the installer touches: the
// download folder with Install.exe and the archive, Program Files, the start menu, the desktop.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "install/win/installer.h"
#include "zip_writer.h"

namespace inst::test {

class Sandbox {
public:
    Sandbox();
    ~Sandbox();
    Sandbox(const Sandbox&) = delete;
    Sandbox& operator=(const Sandbox&) = delete;

    // A path inside the sandbox ("dl\\Install.exe").
    std::string Path(const std::string& relative) const;
    void Write(const std::string& relative, const std::string& bytes) const;
    std::string Read(const std::string& relative) const;  // "<missing>" when there is no such file
    bool Exists(const std::string& relative) const;
    // Puts a release archive and a stand-in Install.exe into the download folder.
    void PutRelease(const std::vector<ZipEntry>& entries, const char* archiveName = "pagewick-0.1.0.zip") const;
    // Every file and folder below the sandbox, relative, sorted ("pf\\Pagewick\\", ...).
    std::vector<std::string> Listing() const;
    std::string RegistryValue(const char* name) const;  // "<missing>" when unset
    bool RegistryKeyExists() const;

    Installer installer;  // every target inside the sandbox, launch off, answers from the fields below
    std::vector<std::string> warnings;
    bool answerUseOldSettings = false;
    int oldSettingsAsked = 0;
    std::string pickedFolder;

private:
    std::string root_;
    std::string keyParent_;
};

// The release's entries as the tests use them.
std::vector<ZipEntry> ReleaseEntries();

// The path a shell link points to, "" when it cannot be read.
std::string ShortcutTarget(const std::string& link);

}  // namespace inst::test
