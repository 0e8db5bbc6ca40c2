// WM_COMMAND notifications from the panes themselves (edit changes, focus, root list selection).
#pragma once

#include <windows.h>

namespace pw {

// True when the notification was a pane's and has been handled.
bool RouteControlCommand(int id, int code, HWND source);

}  // namespace pw
