#include "settings/win/menus.h"

namespace pw {

bool CheckOwnMenuItem(HMENU menu, UINT id, bool checked)
{
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        MENUITEMINFOA item{};
        item.cbSize = sizeof(item);
        item.fMask = MIIM_ID | MIIM_SUBMENU;
        if (!GetMenuItemInfoA(menu, i, TRUE, &item) || item.hSubMenu || item.wID != id) continue;
        CheckMenuItem(menu, i, MF_BYPOSITION | (checked ? MF_CHECKED : MF_UNCHECKED));
        return true;
    }
    return false;
}

}  // namespace pw
