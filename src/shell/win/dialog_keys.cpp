// The main window is no dialog. The system's dialog-message handling walks every child window looking for
// mnemonics and tab stops, the embedded browser's windows among them, and under some hosts never returns
// from that walk: so the few dialog keys the window needs are handled here, asking only the focused control.
#include "shell/win/dialog_keys.h"

#include <vector>

#include "shell/ids.h"
#include "shell/win/main_window.h"

namespace pw {
namespace {

bool IsSelfOrChild(HWND parent, HWND window)
{
    return parent && window && (window == parent || IsChild(parent, window));
}

bool ModifierDown()
{
    return (GetKeyState(VK_CONTROL) & 0x8000) || (GetKeyState(VK_MENU) & 0x8000);
}

// Whether the focused control takes this key itself (a dropped-down root list, a label being edited).
bool ControlWantsKey(const MSG& msg)
{
    const LRESULT code = SendMessageA(msg.hwnd, WM_GETDLGCODE, msg.wParam, reinterpret_cast<LPARAM>(&msg));
    if (code & (DLGC_WANTALLKEYS | DLGC_WANTMESSAGE)) return true;
    return msg.wParam == VK_TAB && (code & DLGC_WANTTAB);
}

// The panes Tab moves between, in order; hidden or disabled ones are passed over.
std::vector<HWND> TabPanes()
{
    const Panes& p = Main().panes;
    std::vector<HWND> panes;
    for (HWND pane : {p.roots, p.folders, p.files, p.sheet}) {
        if (pane && IsWindowVisible(pane) && IsWindowEnabled(pane)) panes.push_back(pane);
    }
    return panes;
}

void MoveFocus(HWND from, bool backwards)
{
    const std::vector<HWND> panes = TabPanes();
    if (panes.empty()) return;
    const int count = static_cast<int>(panes.size());
    int next = backwards ? count - 1 : 0;
    for (int i = 0; i < count; ++i) {
        if (IsSelfOrChild(panes[i], from)) {
            next = (i + (backwards ? count - 1 : 1)) % count;
            break;
        }
    }
    SetFocus(panes[next]);
}

}  // namespace

bool HandleDialogKey(const MSG& msg)
{
    if (msg.message != WM_KEYDOWN) return false;
    if (msg.wParam != VK_TAB && msg.wParam != VK_RETURN && msg.wParam != VK_ESCAPE) return false;
    const MainWindow& main = Main();
    // The browser pane keeps its own keys; keys of other windows (message boxes, dialogs) are theirs.
    if (!IsSelfOrChild(main.hwnd, msg.hwnd) || IsSelfOrChild(main.panes.browser, msg.hwnd)) return false;
    if (ModifierDown() || ControlWantsKey(msg)) return false;
    switch (msg.wParam) {
        case VK_TAB:
            MoveFocus(msg.hwnd, (GetKeyState(VK_SHIFT) & 0x8000) != 0);
            return true;
        case VK_RETURN:
            SendMessageA(main.hwnd, WM_COMMAND, MAKEWPARAM(CMD_ENTER, 0), 0);
            return true;
        default:
            SendMessageA(main.hwnd, WM_COMMAND, MAKEWPARAM(CMD_ESCAPE, 0), 0);
            return true;
    }
}

}  // namespace pw
