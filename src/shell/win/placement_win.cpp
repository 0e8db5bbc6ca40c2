#include "shell/win/placement_win.h"

#include "settings/win/messages.h"
#include "settings/win/settings_win.h"
#include "shell/placement.h"
#include "shell/win/main_window.h"

namespace pw {

void SaveWindowPlacement(HWND hwnd)
{
    WINDOWPLACEMENT wp{};
    wp.length = sizeof(wp);
    // Layouts run while the window is being created, before its stored place is restored: writing then
    // would replace the stored place with the default one.
    if (!Main().placementRestored) return;
    // A minimised window's placement would restore as nothing useful: keep the last good one.
    if (!GetWindowPlacement(hwnd, &wp) || IsIconic(hwnd) || wp.showCmd == SW_SHOWMINIMIZED) return;
    PlacementRecord r;
    r.flags = static_cast<long>(wp.flags);
    r.showCommand = static_cast<long>(wp.showCmd);
    r.minimizedX = wp.ptMinPosition.x;
    r.minimizedY = wp.ptMinPosition.y;
    r.maximizedX = wp.ptMaxPosition.x;
    r.maximizedY = wp.ptMaxPosition.y;
    r.left = wp.rcNormalPosition.left;
    r.top = wp.rcNormalPosition.top;
    r.right = wp.rcNormalPosition.right;
    r.bottom = wp.rcNormalPosition.bottom;
    const std::string text = WindowPositionText(r);
    // Layout runs on every size change; the file is only written when the placement really moved.
    if (text == Main().lastSavedPlacement) return;
    Main().lastSavedPlacement = text;
    Settings().SetGeneral("WindowPosition", text);
}

void RestoreWindowPlacement(HWND hwnd, int showCommand)
{
    ScreenFacts screen;
    screen.width = GetSystemMetrics(SM_CXSCREEN);
    screen.height = GetSystemMetrics(SM_CYSCREEN);
    if (HWND taskbar = FindWindowA("Shell_TrayWnd", nullptr)) {
        RECT rc;
        if (GetWindowRect(taskbar, &rc)) screen.taskbarHeight = rc.bottom - rc.top;
    }
    Main().placementRestored = true;
    RestoreDecision decision = DecideRestore(Settings().GetList("WindowPosition"), screen, showCommand);
    if (decision.justShow) {
        ShowWindow(hwnd, showCommand);
        return;
    }
    const PlacementRecord& r = decision.placement;
    WINDOWPLACEMENT wp{};
    wp.length = sizeof(wp);
    wp.flags = static_cast<UINT>(r.flags);
    wp.showCmd = static_cast<UINT>(r.showCommand);
    wp.ptMinPosition = {r.minimizedX, r.minimizedY};
    wp.ptMaxPosition = {r.maximizedX, r.maximizedY};
    wp.rcNormalPosition = {r.left, r.top, r.right, r.bottom};
    if (!SetWindowPlacement(hwnd, &wp)) MessageText("Error setting window position: %s", LastErrorText().c_str());
}

}  // namespace pw
