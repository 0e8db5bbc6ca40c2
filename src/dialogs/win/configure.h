// The paged Configure dialog: every change goes to the pending settings layer and reaches the settings file
// only on OK, in one write.
#pragma once

#include <windows.h>

namespace pw {

// True when the user pressed OK and the settings file holds the changes; the caller reloads and applies.
bool ShowConfigure(HWND owner);

}  // namespace pw
