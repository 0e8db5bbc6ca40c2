// The Tools menu items of the current viewer, framed by separators 900 and 901 above the mode item.
#pragma once

#include <windows.h>

namespace pw {

// Removes the previous viewer's items and inserts those of this viewer (a kTextViewer/kWebViewer/... index).
void ShowViewerMenuItems(int viewer);
void RemoveViewerMenuItems();

}  // namespace pw
