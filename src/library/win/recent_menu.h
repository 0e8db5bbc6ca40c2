// The recent notes at the end of the File menu, before Exit.
#pragma once

#include <windows.h>

#include <vector>

#include "library/history.h"

namespace pw {

// Replaces the recent items and their separator with these (none, and no separator, when empty).
void ShowRecentNotes(HWND mainWindow, const std::vector<SlotMenuItem>& items);

}  // namespace pw
