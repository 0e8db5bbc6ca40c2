#include "library/win/recent_menu.h"

#include "shell/ids.h"

namespace pw {
namespace {

// The File menu is the popup that holds Exit.
HMENU MenuHoldingExit(HWND mainWindow)
{
    HMENU bar = GetMenu(mainWindow);
    if (!bar) return nullptr;
    const int count = GetMenuItemCount(bar);
    for (int i = 0; i < count; ++i) {
        HMENU popup = GetSubMenu(bar, i);
        if (popup && GetMenuState(popup, CMD_EXIT, MF_BYCOMMAND) != static_cast<UINT>(-1)) return popup;
    }
    return nullptr;
}

}  // namespace

void ShowRecentNotes(HWND mainWindow, const std::vector<SlotMenuItem>& items)
{
    HMENU file = MenuHoldingExit(mainWindow);
    if (!file) return;
    for (int id = kFirstSlotCommand; id < kFirstSlotCommand + kRecentSlotCount; ++id)
        DeleteMenu(file, static_cast<UINT>(id), MF_BYCOMMAND);
    DeleteMenu(file, kRecentSeparatorCommand, MF_BYCOMMAND);
    if (items.empty()) return;
    for (const SlotMenuItem& item : items)
        InsertMenuA(file, CMD_EXIT, MF_BYCOMMAND | MF_STRING, static_cast<UINT_PTR>(item.command), item.text.c_str());
    InsertMenuA(file, CMD_EXIT, MF_BYCOMMAND | MF_SEPARATOR, kRecentSeparatorCommand, nullptr);
}

}  // namespace pw
