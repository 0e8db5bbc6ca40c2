// What the installer registers with the system: shell links and the uninstall entry.
#pragma once

#include <windows.h>

#include <objbase.h>

#include <string>

namespace inst {

// Writes a shell link to target with a description; "" or what failed. COM must be initialised.
std::string CreateShortcut(const std::string& link, const std::string& target, const std::string& description);

// Writes "DisplayName", "Publisher" and "UninstallString" under root\key (created when missing); "" or what failed.
std::string WriteUninstallEntry(HKEY root, const std::string& key, const std::string& uninstallCommand);
// Deletes the key; true when it is gone (or never was).
bool DeleteUninstallEntry(HKEY root, const std::string& key);

// Initialises COM for the calling thread for as long as it lives.
class ComScope {
public:
    ComScope() : ok_(SUCCEEDED(CoInitialize(nullptr))) {}
    ~ComScope()
    {
        if (ok_) CoUninitialize();
    }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;

private:
    bool ok_;
};

}  // namespace inst
