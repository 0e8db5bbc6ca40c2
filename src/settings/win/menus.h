// Menu helpers every area may use.
#pragma once

#include <windows.h>

namespace pw {

// Checks or clears the item with that id among the menu's own items, never one inside a submenu: the
// "Select CSS" entries reuse the ids of other Tools items. False when the menu has no such item.
bool CheckOwnMenuItem(HMENU menu, UINT id, bool checked);

}  // namespace pw
