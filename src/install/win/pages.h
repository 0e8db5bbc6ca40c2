// The three pages of the installer's window: Welcome (also the uninstall text), Advanced and Licence.
#pragma once

#include <windows.h>

#include <string>

#include "install/win/installer.h"

namespace inst {

// Creates a page as a hidden child dialog of the main window; null on failure.
HWND CreatePage(HWND parent, int pageId, Installer& installer);

// The Welcome page's text in each mode.
std::string WelcomeText(bool uninstall);

}  // namespace inst
