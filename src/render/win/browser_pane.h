// The browser pane: a window of the class "PW Browser Object" that hosts the system's web browser control.
#pragma once

#include <windows.h>

namespace pw {

// Registers the pane's window class (OLE is already initialised); false when it cannot be registered.
bool RegisterBrowserClass(HINSTANCE instance);
// Creates the pane with its browser object as child 208 of the main window; null when that fails.
HWND CreateBrowserPane(HWND parent);

}  // namespace pw
