#include "shell/win/window_class.h"

#include <commctrl.h>
#include <windowsx.h>

#include "settings/win/messages.h"
#include "settings/win/settings_win.h"
#include "shell/ids.h"
#include "shell/win/commands.h"
#include "shell/win/layout_win.h"
#include "shell/win/main_window.h"
#include "shell/win/mode.h"
#include "shell/win/notifications.h"
#include "shell/win/panes.h"
#include "shell/win/splitter.h"
#include "shell/win/startup.h"
#include "shell/win/timers.h"
#include "shell/win/toolbar.h"
#include "library/win/file_drag.h"
#include "library/win/file_operations.h"
#include "render/win/web_view.h"
#include "library/win/library_view.h"
#include "multibar/win/multibar_commands.h"
#include "notes/win/document.h"
#include "notes/win/file_info.h"

namespace pw {
namespace {

constexpr char kClassName[] = "ferroWindClass";
constexpr int kEditorLimit = 64000;

LRESULT OnTimer(WPARAM id)
{
    if (id == TIMER_STATUS) OnStatusTimer();
    if (id == TIMER_FOLDER_POLL) OnFolderPollTimer();
    return 0;
}

bool ShowPaneContextMenu(HWND pane, LPARAM lp)
{
    POINT at{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
    if (at.x == -1 && at.y == -1) GetCursorPos(&at);
    if (pane == Main().panes.files) {
        ShowFileContextMenu(at);
        return true;
    }
    if (pane == Main().panes.folders) {
        ShowFolderContextMenu(at);
        return true;
    }
    return false;
}

LRESULT CALLBACK MainWindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lp);
        static_cast<MainWindow*>(create->lpCreateParams)->AttachWindow(hwnd);
    }
    MainWindow* win = MainWindow::From(hwnd);
    if (!win) return DefWindowProcA(hwnd, msg, wp, lp);
    switch (msg) {
        case WM_CREATE:
            return CreatePanes(hwnd) ? 0 : -1;
        case WM_SIZE:
            if (wp != SIZE_MINIMIZED) LayoutMainWindow();
            return 0;
        case WM_COMMAND:
            DispatchCommand(LOWORD(wp), HIWORD(wp), reinterpret_cast<HWND>(lp));
            return 0;
        case WM_NOTIFY:
            return RouteNotification(reinterpret_cast<NMHDR*>(lp));
        case WM_TIMER:
            return OnTimer(wp);
        case WM_INITMENUPOPUP:
            PrepareMenu(reinterpret_cast<HMENU>(wp));
            return 0;
        case WM_SETCURSOR:
            if (SplitterSetCursor(hwnd, lp)) return TRUE;
            break;
        case WM_LBUTTONDOWN:
            SplitterMouseDown(GET_X_LPARAM(lp));
            return 0;
        case WM_MOUSEMOVE:
            if (FileDragActive())
                FileDragMove({GET_X_LPARAM(lp), GET_Y_LPARAM(lp)});
            else
                SplitterMouseMove(GET_X_LPARAM(lp), wp);
            return 0;
        case WM_CAPTURECHANGED:
            if (reinterpret_cast<HWND>(lp) != hwnd) {
                CancelFileDrag();
                CancelSplitterDrag();
            }
            return 0;
        case WM_LBUTTONUP:
            if (FileDragActive())
                FileDragDrop({GET_X_LPARAM(lp), GET_Y_LPARAM(lp)});
            else
                SplitterMouseUp(GET_X_LPARAM(lp));
            return 0;
        case WM_CONTEXTMENU:
            if (ShowPaneContextMenu(reinterpret_cast<HWND>(wp), lp)) return 0;
            break;
        case WM_MENUCOMMAND:
            ChooseStyleSheet(CMD_CSS_FIRST + static_cast<int>(wp));
            return 0;
        case WM_PW_LINK:
            HandleNoteLink();
            return 0;
        case WM_CLOSE:
            ExitPagewick();
            return 0;
        case WM_DESTROY:
            return 0;
        case WM_NCDESTROY:
            win->DetachWindow(hwnd);
            break;
        default:
            break;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

void LimitEditors()
{
    const int gutter = Settings().GetInt("GutterWidth", 10);
    for (HWND editor : {Main().panes.editNoWrap, Main().panes.editWrap}) {
        SendMessageA(editor, EM_SETLIMITTEXT, kEditorLimit, 0);
        SendMessageA(editor, EM_SETMARGINS, EC_LEFTMARGIN, MAKELPARAM(gutter, 0));
    }
}

void SetUpStatusBar()
{
    MainWindow& main = Main();
    StatusTarget target;
    target.mainWindow = main.hwnd;
    target.messageLine = main.panes.messageLine;
    target.activeEditor = ActiveEditor;
    if (main.panes.statusBar) {
        RECT client;
        GetClientRect(main.hwnd, &client);
        int edges[4] = {500, 560, 620, -1};
        SendMessageA(main.panes.statusBar, SB_SETPARTS, 4, reinterpret_cast<LPARAM>(edges));
        RECT bar;
        GetWindowRect(main.panes.statusBar, &bar);
        main.statusHeight = bar.bottom - bar.top;
        CounterState& counters = main.notes.counters;
        counters.showCharCount = Settings().GetBoolDefaultTrue("NoteShowCharCount");
        counters.showWordCount = Settings().GetBoolDefaultTrue("NoteShowWordCount");
        target.statusBar = main.panes.statusBar;
        target.countsShown[0] = counters.showCharCount;
        target.countsShown[1] = counters.showWordCount;
    } else {
        main.statusHeight = 0;
    }
    SetStatusTarget(target);
}

void ClearAlwaysOnTopMark()
{
    CheckMenuItem(GetMenu(Main().hwnd), CMD_ALWAYS_ON_TOP, MF_BYCOMMAND | MF_UNCHECKED);
}

}  // namespace

bool RegisterMainWindowClass(HINSTANCE instance)
{
    WNDCLASSEXA existing{};
    existing.cbSize = sizeof(existing);
    // Tests start the window more than once in one process. The class, and the small icon loaded for it, last
    // as long as the process.
    if (GetClassInfoExA(instance, kClassName, &existing)) return true;
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof(wc);
    wc.style = CS_BYTEALIGNWINDOW;
    wc.lpfnWndProc = MainWindowProc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_PAGEWICK));
    wc.hIconSm =
        static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(IDI_PAGEWICK), IMAGE_ICON,
                                      GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR));
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_MENU + 1);
    wc.lpszMenuName = MAKEINTRESOURCEA(IDM_MAINMENU);
    wc.lpszClassName = kClassName;
    return RegisterClassExA(&wc) != 0;
}

HWND CreateMainWindow(MainWindow& main)
{
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES |
                                              ICC_WIN95_CLASSES | ICC_USEREX_CLASSES};
    InitCommonControlsEx(&icc);
    return CreateWindowExA(0, kClassName, "Pagewick", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CW_USEDEFAULT,
                           CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, main.instance, &main);
}

void InitialiseMainWindow()
{
    MainWindow& main = Main();
    BuildPaneImageLists();
    AddOwnFilesMenuItem();
    SetUpViewers();
    SetUpStatusBar();
    ApplySettings();
    StartFixedTimers();
    main.notes.wordWrap = Settings().GetBoolDefaultTrue("WordWrap");
    SetModeButtons();
    EnsureFileInfoFolder();
    ClearAlwaysOnTopMark();
    LimitEditors();
    SetCaptionFont();
    HookNoteEditors();
    HookMultibar(main.panes.multibar);
    if (!main.expertMode) AttachPaneTooltips();
    LayoutMainWindow();
}

}  // namespace pw
