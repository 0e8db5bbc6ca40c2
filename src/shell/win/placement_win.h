// Saving and restoring the main window's place on screen (the "WindowPosition" setting).
#pragma once

#include <windows.h>

namespace pw {

void SaveWindowPlacement(HWND hwnd);
void RestoreWindowPlacement(HWND hwnd, int showCommand);

}  // namespace pw
