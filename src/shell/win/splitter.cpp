// Dragging: a press within two pixels right of the splitter starts it and disables the lists and the
// document pane so they do not take the mouse; a dotted inverting bar follows the mouse; the release sets
// the new list width, widens the lists' first columns, queues a layout and writes "ListWidth".
#include "shell/win/splitter.h"

#include <commctrl.h>

#include "settings/win/handles.h"
#include "settings/win/settings_win.h"
#include "shell/layout.h"
#include "shell/win/layout_win.h"
#include "shell/win/main_window.h"

namespace pw {
namespace {

SplitterDrag& Drag()
{
    return Main().splitter;
}

void DrawBar(int x)
{
    MainWindow& main = Main();
    RECT client;
    GetClientRect(main.hwnd, &client);
    const PaneRects r = ComputeLayout(client.right, client.bottom, ListWidth(),
                                      main.panes.statusBar ? main.statusHeight : kNoStatusBarHeight);
    RECT bar{x, r.documentPane.top, x + 3, r.documentPane.top + r.documentPane.height};
    WindowDC dc(main.hwnd);
    DrawFocusRect(dc.get(), &bar);
}

void EraseBar()
{
    if (Drag().barDrawn) DrawBar(Drag().barX);
    Drag().barDrawn = false;
}

}  // namespace

bool SplitterSetCursor(HWND hwnd, LPARAM lp)
{
    if (LOWORD(lp) != HTCLIENT) return false;
    POINT pt;
    GetCursorPos(&pt);
    ScreenToClient(hwnd, &pt);
    if (!Drag().dragging && !IsOverSplitter(pt.x, Main().splitterX)) return false;
    SetCursor(Main().sizeCursor);
    return true;
}

void SplitterMouseDown(int x)
{
    MainWindow& main = Main();
    if (!IsOverSplitter(x, main.splitterX)) return;
    Drag() = SplitterDrag{};
    Drag().dragging = true;
    Drag().documentPane = CurrentDocumentPane();
    Drag().documentWasEnabled = Drag().documentPane && IsWindowEnabled(Drag().documentPane);
    Drag().startX = main.splitterX;
    EnableWindow(main.panes.folders, FALSE);
    EnableWindow(main.panes.files, FALSE);
    if (Drag().documentPane) EnableWindow(Drag().documentPane, FALSE);
    SetCapture(main.hwnd);
}

void SplitterMouseMove(int x, WPARAM keys)
{
    if (!Drag().dragging || !(keys & MK_LBUTTON)) return;
    EraseBar();
    Drag().barX = SplitterFromMouse(x);
    DrawBar(Drag().barX);
    Drag().barDrawn = true;
    Main().splitterX = Drag().barX;
}

void SplitterMouseUp(int)
{
    if (!Drag().dragging) return;
    MainWindow& main = Main();
    EraseBar();
    Drag().dragging = false;  // before the capture goes, so that losing it does not cancel this release
    ReleaseCapture();
    RECT client;
    GetClientRect(main.hwnd, &client);
    const SplitterResult result = ReleaseSplitter(client.right, main.splitterX, GetSystemMetrics(SM_CXVSCROLL));
    ListView_SetColumnWidth(main.panes.folders, 0, result.firstColumnWidth);
    ListView_SetColumnWidth(main.panes.files, 0, result.firstColumnWidth);
    EnableWindow(main.panes.folders, TRUE);
    EnableWindow(main.panes.files, TRUE);
    if (Drag().documentPane) EnableWindow(Drag().documentPane, Drag().documentWasEnabled);
    SetListWidth(result.listWidth);
    PostMessageA(main.hwnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.right, client.bottom));
    Settings().SetGeneralInt("ListWidth", result.listWidth);
}

void CancelSplitterDrag()
{
    if (!Drag().dragging) return;
    MainWindow& main = Main();
    EraseBar();
    Drag().dragging = false;
    if (GetCapture() == main.hwnd) ReleaseCapture();
    main.splitterX = Drag().startX;
    EnableWindow(main.panes.folders, TRUE);
    EnableWindow(main.panes.files, TRUE);
    if (Drag().documentPane) EnableWindow(Drag().documentPane, Drag().documentWasEnabled);
}

bool SplitterDragging()
{
    return Drag().dragging;
}

}  // namespace pw
