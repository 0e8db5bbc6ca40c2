// Dialog-style keys of the main window outside the note editors: Tab and Shift+Tab move the focus between
// the root list, the folder pane, the file pane and the sheet pane; Enter and Escape become commands 1 and 2.
#pragma once

#include <windows.h>

namespace pw {

// Handles the key when it is one of these and the focused control does not want it; true when taken.
bool HandleDialogKey(const MSG& msg);

}  // namespace pw
