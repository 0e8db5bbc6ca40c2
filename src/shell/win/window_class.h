// The main window: its class "ferroWindClass", its creation and its window procedure.
#pragma once

#include <windows.h>

namespace pw {

class MainWindow;

bool RegisterMainWindowClass(HINSTANCE instance);
// Creates the window of this main window, which then owns it.
HWND CreateMainWindow(MainWindow& main);
// Start-up step 8: image lists, viewers, settings, timers, edit limits, status bar, hooks, tooltips.
void InitialiseMainWindow();

}  // namespace pw
