// The library browser as the shell sees it: viewers, the document pane in front, listing after a mode change.
#pragma once

#include <windows.h>

namespace pw {

// Start-up: the Tools menu item for the program's own files (when FwHideFiles is off).
void AddOwnFilesMenuItem();
// Tools menu "View Pagewick files": shows or hides the program's own files and lists the files again.
void ToggleOwnFiles();
// Start-up: the viewer table and its extension lists.
void SetUpViewers();
// The pane that shows the current document (the active editor when no other viewer is current).
HWND CurrentDocumentPane();
// Before a mode change: save the open document if it needs saving.
void CloseForModeChange();
// After a mode change: show the selected file in the new mode.
void ShowSelectedFileAgain();

}  // namespace pw
