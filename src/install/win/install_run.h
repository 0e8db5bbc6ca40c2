// Install and uninstall as the two buttons run them. Each collects what failed and tells the user once, at
// the end, in one box.
#pragma once

#include <string>
#include <vector>

#include "install/win/installer.h"

namespace inst {

struct RunReport {
    bool stopped = false;               // refused before anything was written
    std::vector<std::string> failures;  // what went wrong, in order
    std::vector<std::string> kept;      // uninstall: what stayed in the program folder
};

// Install pressed: unpack, prepare the settings, move the installer, shortcuts, uninstall entry, launch.
RunReport RunInstall(Installer& installer, HWND owner);

// Remove pressed: the uninstall entry, the shortcuts, and the program folder's files that are ours.
RunReport RunUninstall(Installer& installer, HWND owner);

// Extracts the agreement text beside the installer (once) and gives its text, "" when there is none.
std::string LicenceText(Installer& installer);

// The text of the one box that ends a run with failures.
std::string FailureMessage(const char* action, const std::vector<std::string>& failures);

}  // namespace inst
