// Dragging: a press within two pixels right of the splitter starts it and disables the lists and the
// document pane so they do not take the mouse; a dotted inverting bar follows the mouse; the release sets
// the new list width, widens the lists' first columns, queues a layout and writes "ListWidth".
#include "shell/win/splitter.h"

#include <commctrl.h>

#include "settings/win/settings_win.h"
#include "shell/layout.h"
#include "shell/win/layout_win.h"
#include "library/win/library_view.h"
#include "shell/win/main_window.h"

namespace pw {
namespace {

struct DragState {
    bool dragging = false;
    bool barDrawn = false;
    int barX = 0;
    HWND documentPane = nullptr;
    bool documentWasEnabled = false;
    int startX = 0;  // where the splitter was when the drag began
};

DragState g_drag;

void DrawBar(int x)
{
    MainWindow& main = Main();
    RECT client;
    GetClientRect(main.hwnd, &client);
    const PaneRects r = ComputeLayout(client.right, client.bottom, ListWidth(),
                                      main.panes.statusBar ? main.statusHeight : kNoStatusBarHeight);
    RECT bar{x, r.documentPane.top, x + 3, r.documentPane.top + r.documentPane.height};
    HDC dc = GetDC(main.hwnd);
    DrawFocusRect(dc, &bar);
    ReleaseDC(main.hwnd, dc);
}

void EraseBar()
{
    if (g_drag.barDrawn) DrawBar(g_drag.barX);
    g_drag.barDrawn = false;
}

}  // namespace

bool SplitterSetCursor(HWND hwnd, LPARAM lp)
{
    if (LOWORD(lp) != HTCLIENT) return false;
    POINT pt;
    GetCursorPos(&pt);
    ScreenToClient(hwnd, &pt);
    if (!g_drag.dragging && !IsOverSplitter(pt.x, Main().splitterX)) return false;
    SetCursor(Main().sizeCursor);
    return true;
}

void SplitterMouseDown(int x)
{
    MainWindow& main = Main();
    if (!IsOverSplitter(x, main.splitterX)) return;
    g_drag = DragState{};
    g_drag.dragging = true;
    g_drag.documentPane = CurrentDocumentPane();
    g_drag.documentWasEnabled = g_drag.documentPane && IsWindowEnabled(g_drag.documentPane);
    g_drag.startX = main.splitterX;
    EnableWindow(main.panes.folders, FALSE);
    EnableWindow(main.panes.files, FALSE);
    if (g_drag.documentPane) EnableWindow(g_drag.documentPane, FALSE);
    SetCapture(main.hwnd);
}

void SplitterMouseMove(int x, WPARAM keys)
{
    if (!g_drag.dragging || !(keys & MK_LBUTTON)) return;
    EraseBar();
    g_drag.barX = SplitterFromMouse(x);
    DrawBar(g_drag.barX);
    g_drag.barDrawn = true;
    Main().splitterX = g_drag.barX;
}

void SplitterMouseUp(int)
{
    if (!g_drag.dragging) return;
    MainWindow& main = Main();
    EraseBar();
    g_drag.dragging = false;  // before the capture goes, so that losing it does not cancel this release
    ReleaseCapture();
    RECT client;
    GetClientRect(main.hwnd, &client);
    const SplitterResult result = ReleaseSplitter(client.right, main.splitterX, GetSystemMetrics(SM_CXVSCROLL));
    ListView_SetColumnWidth(main.panes.folders, 0, result.firstColumnWidth);
    ListView_SetColumnWidth(main.panes.files, 0, result.firstColumnWidth);
    EnableWindow(main.panes.folders, TRUE);
    EnableWindow(main.panes.files, TRUE);
    if (g_drag.documentPane) EnableWindow(g_drag.documentPane, g_drag.documentWasEnabled);
    SetListWidth(result.listWidth);
    PostMessageA(main.hwnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.right, client.bottom));
    Settings().SetGeneralInt("ListWidth", result.listWidth);
}

void CancelSplitterDrag()
{
    if (!g_drag.dragging) return;
    MainWindow& main = Main();
    EraseBar();
    g_drag.dragging = false;
    if (GetCapture() == main.hwnd) ReleaseCapture();
    main.splitterX = g_drag.startX;
    EnableWindow(main.panes.folders, TRUE);
    EnableWindow(main.panes.files, TRUE);
    if (g_drag.documentPane) EnableWindow(g_drag.documentPane, g_drag.documentWasEnabled);
}

bool SplitterDragging()
{
    return g_drag.dragging;
}

}  // namespace pw
