#include "shell/win/panes.h"

#include <commctrl.h>

#include "notes/win/editor_pane.h"
#include "render/win/browser_pane.h"
#include "render/win/page_engine.h"
#include "settings/win/handles.h"
#include "settings/win/settings_win.h"
#include "shell/ids.h"
#include "shell/layout.h"
#include "shell/win/main_window.h"
#include "shell/win/toolbar.h"

namespace pw {
namespace {

HWND Child(const char* cls, const char* text, DWORD style, int id, DWORD exStyle = 0)
{
    return CreateWindowExA(exStyle, cls, text, WS_CHILD | style, 0, 0, 10, 10, Main().hwnd,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), Main().instance, nullptr);
}

HWND CreateList(int id, DWORD extra)
{
    HWND list =
        Child(WC_LISTVIEWA, "",
              WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_SHAREIMAGELISTS | extra,
              id, WS_EX_CLIENTEDGE);
    if (list) ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
    return list;
}

void AddSingleColumn(HWND list, const char* caption, int width)
{
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = const_cast<char*>(caption);
    column.cx = width;
    SendMessageA(list, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
}

HWND CreateEditor(int id, bool wrap)
{
    DWORD style = WS_DISABLED | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | ES_NOHIDESEL | WS_VSCROLL;
    if (!wrap) style |= WS_HSCROLL | ES_AUTOHSCROLL;
    return Child("EDIT", "", style, id, WS_EX_CLIENTEDGE);
}

void AddTooltip(HWND tooltip, HWND pane, const char* text)
{
    TOOLINFOA info{};
    info.cbSize = sizeof(info);
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = Main().hwnd;
    info.uId = reinterpret_cast<UINT_PTR>(pane);
    info.lpszText = const_cast<char*>(text);
    SendMessageA(tooltip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info));
}

}  // namespace

bool CreatePanes(HWND main)
{
    Panes& p = Main().panes;
    const int column = ListColumnWidth(Settings().GetInt("ListWidth", 200));
    p.toolbar = CreateToolbar(main);
    p.roots = CreateRootList(p.toolbar);
    p.folders = CreateList(IDW_FOLDERS, LVS_EDITLABELS | LVS_NOCOLUMNHEADER);
    p.files = CreateList(IDW_FILES, LVS_EDITLABELS | LVS_NOCOLUMNHEADER | LVS_OWNERDATA);
    AddSingleColumn(p.folders, "Folder", column);
    AddSingleColumn(p.files, "File", column);
    p.editNoWrap = CreateEditor(IDW_EDIT_NOWRAP, false);
    p.editWrap = CreateEditor(IDW_EDIT_WRAP, true);
    p.caption = Child("STATIC", "", WS_VISIBLE | SS_NOTIFY | SS_LEFTNOWORDWRAP, IDW_CAPTION);
    p.browser = CreateBrowserPane(main);
    StartPageEngineProbe(p.browser);
    p.sheet = Child(WC_LISTVIEWA, "", WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_OWNERDATA,
                    IDW_SHEET, WS_EX_CLIENTEDGE);
    p.multibar = Child("EDIT", "", WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, IDW_MULTIBAR);
    p.messageLine = Child("EDIT", "", WS_DISABLED | ES_READONLY | ES_AUTOHSCROLL, IDW_MESSAGE_LINE);
    if (Main().useStatusBar) p.statusBar = Child(STATUSCLASSNAMEA, "", WS_VISIBLE | SBARS_SIZEGRIP, IDW_STATUSBAR);
    // The toolbar spans the whole top row: the controls that sit in its row must lie above it, or clicks meant
    // for them reach the toolbar.
    for (HWND pane : {p.multibar, p.roots})
        if (pane) SetWindowPos(pane, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    Main().notes.panes = {main, p.editNoWrap, p.editWrap, p.multibar, p.statusBar};
    Main().sheet.mainWindow = main;
    Main().sheet.pane = p.sheet;
    LibraryPanes& library = Main().library.panes;
    library.mainWindow = main;
    library.roots = p.roots;
    library.folders = p.folders;
    library.files = p.files;
    library.caption = p.caption;
    HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    for (HWND pane :
         {p.roots, p.folders, p.files, p.multibar, p.messageLine, p.caption, p.sheet, p.editNoWrap, p.editWrap})
        if (pane) SendMessageA(pane, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return p.toolbar && p.roots && p.folders && p.files && p.editNoWrap && p.editWrap && p.multibar && p.messageLine;
}

void BuildPaneImageLists()
{
    const int cx = GetSystemMetrics(SM_CXSMICON);
    const int cy = GetSystemMetrics(SM_CYSMICON);
    auto build = [&](std::initializer_list<int> icons) {
        HIMAGELIST list = ImageList_Create(cx, cy, ILC_COLOR32 | ILC_MASK, static_cast<int>(icons.size()), 0);
        for (int id : icons) {
            IconHandle icon(static_cast<HICON>(
                LoadImageA(Main().instance, MAKEINTRESOURCEA(id), IMAGE_ICON, cx, cy, LR_DEFAULTCOLOR)));
            ImageList_AddIcon(list, icon.get());  // the list keeps a copy
        }
        return list;
    };
    // The list views share their image lists (LVS_SHAREIMAGELISTS): the main window frees them after its panes.
    MainWindow& main = Main();
    main.folderImages.reset(build({IDI_FOLDER, IDI_FOLDER_PARENT, IDI_FOLDER_SUB}));
    main.fileImages.reset(
        build({IDI_FILE_OTHER, IDI_FILE_TEXT, IDI_FILE_IMAGE, IDI_FILE_WEB, IDI_FILE_ZIP, IDI_FILE_CSV}));
    ListView_SetImageList(main.panes.folders, main.folderImages.get(), LVSIL_SMALL);
    ListView_SetImageList(main.panes.files, main.fileImages.get(), LVSIL_SMALL);
}

void SetCaptionFont()
{
    MainWindow& main = Main();
    main.captionFont.reset(CreateFontA(14, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, nullptr));
    SendMessageA(main.panes.caption, WM_SETFONT, reinterpret_cast<WPARAM>(main.captionFont.get()), TRUE);
}

void AttachPaneTooltips()
{
    Panes& p = Main().panes;
    p.tooltip =
        CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, Main().hwnd, nullptr, Main().instance, nullptr);
    if (!p.tooltip) return;
    AddTooltip(p.tooltip, p.multibar, "Multibar (Type new filename or ? to search current document)");
    AddTooltip(p.tooltip, p.caption, "Current Folder (Click to return to root)");
    AddTooltip(p.tooltip, p.roots, "Root List");
    AddTooltip(p.tooltip, p.files, "File List");
    AddTooltip(p.tooltip, p.folders, "Folder List");
}

// The editors' focus is tracked through their EN_SETFOCUS and EN_KILLFOCUS notifications; their keys, mouse
// buttons and context menu are their own. The Multibar is hooked by its own area (HookMultibar).
void HookNoteEditors()
{
    HookEditors(Main().panes.editNoWrap, Main().panes.editWrap);
}

}  // namespace pw
