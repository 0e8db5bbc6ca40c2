// The installer's main window (class "installclass", dialog 101): link-style labels that show the Welcome,
// Advanced and Licence pages, the acceptance box, and Install or Remove.
#pragma once

#include <windows.h>

#include "install/win/installer.h"

namespace inst {

// Registers the window class once per process.
bool RegisterInstallClass(HINSTANCE instance);

// Creates and shows the main window over an installer that outlives it; null on failure.
HWND CreateInstallWindow(HINSTANCE instance, Installer& installer);

// The page dialog shown now (a child of the main window), or null.
HWND CurrentPage(HWND window);

// Shows one page (IDD_PAGE_*), closing the one shown before.
void ShowPage(HWND window, int pageId);

}  // namespace inst
