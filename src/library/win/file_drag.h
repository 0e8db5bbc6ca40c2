// Dragging a file from the file pane onto a folder of the folder pane, within the main window.
#pragma once

#include <windows.h>

namespace pw {

// The file pane began a drag (LVN_BEGINDRAG); with Ctrl held the system's drag and drop takes over.
void BeginFileDrag();
bool FileDragActive();
// Mouse messages of the main window while the drag holds the capture.
void FileDragMove(POINT client);
void FileDragDrop(POINT client);
// The capture was lost (another window took it, Escape): the drag ends and nothing is dropped.
void CancelFileDrag();

}  // namespace pw
