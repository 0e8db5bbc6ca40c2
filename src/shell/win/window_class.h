// The main window: its class "ferroWindClass", its creation and its window procedure.
#pragma once

#include <windows.h>

namespace pw {

bool RegisterMainWindowClass(HINSTANCE instance);
HWND CreateMainWindow(HINSTANCE instance);
// Start-up step 8: image lists, viewers, settings, timers, edit limits, status bar, hooks, tooltips.
void InitialiseMainWindow();

}  // namespace pw
