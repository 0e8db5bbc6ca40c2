// The Tools menu items of the current viewer, framed by separators 900 and 901 above the mode item.
#pragma once

#include <windows.h>

namespace pw {

// Removes the previous viewer's items and inserts those of this viewer (a kTextViewer/kWebViewer/... index).
void ShowViewerMenuItems(int viewer);
void RemoveViewerMenuItems();
// Checks or clears the item with that id among the menu's own items, never one inside a submenu: the
// "Select CSS" entries reuse the ids of other Tools items. False when the menu has no such item.
bool CheckOwnMenuItem(HMENU menu, UINT id, bool checked);

}  // namespace pw
