// The library browser as the shell sees it: the viewer table, the own-files menu item, the mode change.
#pragma once

#include <windows.h>

namespace pw {

// Start-up: the Tools menu item for the program's own files (when FwHideFiles is off).
void AddOwnFilesMenuItem();
// After the settings changed: the item is taken out and, while FwHideFiles is off, put back.
void RefreshOwnFilesMenuItem();
// Tools menu "View Pagewick files": shows or hides the program's own files and lists the files again.
void ToggleOwnFiles();
// Start-up: the viewer table and its extension lists.
void SetUpViewers();
// Before a mode change: the open document is closed (a modified note is saved first).
void CloseForModeChange();
// After a mode change: show the selected file in the new mode.
void ShowSelectedFileAgain();

}  // namespace pw
