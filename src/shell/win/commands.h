// Every command reaches the main window as a number; one table sends each to the function of its owner.
#pragma once

#include <windows.h>

namespace pw {

void DispatchCommand(int id, int code, HWND source);
// Enables and disables menu items as a menu of the bar opens.
void PrepareMenu(HMENU menu);

}  // namespace pw
