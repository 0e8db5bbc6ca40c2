// Places every pane of the main window from its client size, the list width and the status bar height.
#pragma once

#include <windows.h>

namespace pw {

void LayoutMainWindow();
// The list width in use (ListWidth, read on the first layout, then changed only by the splitter).
int ListWidth();
void SetListWidth(int width);
// The pane that shows the current document (the active editor when no other viewer is current).
HWND CurrentDocumentPane();

}  // namespace pw
