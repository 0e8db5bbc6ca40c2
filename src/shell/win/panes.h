// The main window's panes, created in their fixed order when the main window is created.
#pragma once

#include <windows.h>

namespace pw {

bool CreatePanes(HWND main);
void BuildPaneImageLists();
void SetCaptionFont();
void AttachPaneTooltips();
// Subclasses both note edit panes for their keys, menu and focus tracking.
void HookNoteEditors();

}  // namespace pw
