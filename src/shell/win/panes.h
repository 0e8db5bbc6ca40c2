// The main window's panes, created in their fixed order when the main window is created.
#pragma once

#include <windows.h>

namespace pw {

bool CreatePanes(HWND main);
void BuildPaneImageLists();
void SetCaptionFont();
void AttachPaneTooltips();
// Subclasses both note edit panes and the Multibar for their keys and focus tracking.
void HookEditorsAndMultibar();

}  // namespace pw
