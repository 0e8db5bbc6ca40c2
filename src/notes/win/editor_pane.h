// The note editors' own handling of keys, mouse buttons, the context menu and pasting.
#pragma once

#include <windows.h>

namespace pw {

// Hooks both editors: the context menu is the editor's own, a paste is bounded by what the editor holds,
// and every key and mouse button release refreshes the status bar's counters.
void HookEditors(HWND noWrap, HWND wrap);

}  // namespace pw
