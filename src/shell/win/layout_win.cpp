#include "shell/win/layout_win.h"

#include <windows.h>
#include <commctrl.h>

#include "library/win/library_state.h"
#include "notes/win/document.h"
#include "settings/win/settings_win.h"
#include "shell/layout.h"
#include "shell/win/main_window.h"
#include "shell/win/placement_win.h"
#include "shell/win/toolbar.h"

namespace pw {
namespace {

bool Place(HWND pane, const PaneRect& r)
{
    if (!pane) return true;
    return MoveWindow(pane, r.left, r.top, r.width, r.height, TRUE) != FALSE;
}

void ShowDocumentPane()
{
    Panes& p = Main().panes;
    HWND current = CurrentDocumentPane();
    for (HWND pane : {p.editNoWrap, p.editWrap, p.browser, p.sheet})
        if (pane && pane != current) ShowWindow(pane, SW_HIDE);
    if (current) ShowWindow(current, SW_SHOW);
}

void ClearStatusFields()
{
    HWND bar = Main().panes.statusBar;
    SendMessageA(bar, WM_SIZE, 0, 0);
    for (int field = 0; field < 4; ++field) SendMessageA(bar, SB_SETTEXTA, field, reinterpret_cast<LPARAM>(""));
}

}  // namespace

HWND CurrentDocumentPane()
{
    const Panes& p = Main().panes;
    switch (CurrentViewer()) {
        case kWebViewer:
            return p.browser;
        case kSpreadsheetViewer:
            return p.sheet;
        default:
            return ActiveEditor();
    }
}

int ListWidth()
{
    MainWindow& main = Main();
    if (main.listWidth < 0) main.listWidth = Settings().GetInt("ListWidth", 200);
    return main.listWidth;
}

void SetListWidth(int width)
{
    Main().listWidth = width;
}

void LayoutMainWindow()
{
    MainWindow& main = Main();
    if (!main.hwnd || main.layoutRunning || main.layoutSuspended) return;
    main.layoutRunning = true;
    RECT client;
    GetClientRect(main.hwnd, &client);
    const int statusHeight = main.panes.statusBar ? main.statusHeight : kNoStatusBarHeight;
    const PaneRects r = ComputeLayout(client.right, client.bottom, ListWidth(), statusHeight);
    Panes& p = main.panes;
    // A pane that cannot be placed stops the layout there; the rest keep their places.
    bool placed = Place(p.caption, r.caption) && Place(p.folders, r.folderPane) && Place(p.files, r.filePane) &&
                  Place(p.editNoWrap, r.documentPane) && Place(p.editWrap, r.documentPane) &&
                  Place(p.browser, r.documentPane) && Place(p.sheet, r.documentPane);
    if (placed) {
        main.splitterX = r.splitterX;
        placed = Place(p.messageLine, r.messageLine);
    }
    if (placed) {
        ShowDocumentPane();
        LayoutToolbarRow(r.documentAreaWidth, ListWidth());
        Place(p.roots, r.rootList);
        Place(p.multibar, r.multibar);
        SaveWindowPlacement(main.hwnd);
        if (p.statusBar) ClearStatusFields();
    }
    main.layoutRunning = false;
}

}  // namespace pw
