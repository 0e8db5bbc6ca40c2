// The viewer items of the Tools menu follow the current viewer: they are removed and inserted again, framed
// by separators 900 and 901, just above the mode item (40012).
#include "shell/win/viewer_menu.h"

#include <windows.h>

#include "library/viewers.h"
#include "render/win/web_view.h"
#include "settings/win/settings_win.h"
#include "shell/ids.h"
#include "shell/win/main_window.h"

namespace pw {
namespace {

HMENU Tools()
{
    return GetSubMenu(GetMenu(Main().hwnd), 1);
}

void Insert(UINT flags, UINT_PTR id, const char* text)
{
    InsertMenuA(Tools(), CMD_TOGGLE_MODE, MF_BYCOMMAND | flags, id, text);
}

void InsertTextItems()
{
    Insert(MF_STRING | (Settings().GetBoolDefaultTrue("WordWrap") ? MF_CHECKED : 0), CMD_WORDWRAP, "  Wordwrap   ");
    Insert(MF_STRING | (Settings().GetBoolDefaultTrue("FormatNewLines") ? MF_CHECKED : 0), CMD_FORMAT_NEWLINES,
           "  Format Newlines   ");
    Insert(MF_SEPARATOR, CMD_TEXT_SEPARATOR, nullptr);
    Insert(MF_STRING, CMD_MAIL_TO_SELECTED, "  Mail to selected  ");
    Insert(MF_STRING, CMD_MAIL_SELECTED_BODY, "  Mail selected as body     ");
    Insert(MF_SEPARATOR, CMD_TEXT_SEPARATOR2, nullptr);
    Insert(MF_STRING, CMD_WORD_COUNT, "  Word count  ");
    Insert(MF_STRING, CMD_CHAR_COUNT, "  Character count  ");
    Insert(MF_STRING, CMD_KEYWORDS, "  Keywords  ");
}

void InsertWebItems()
{
    Insert(MF_STRING, CMD_PRINT, "  Print  ");
    if (!ShownPageUsesStyleSheet() || !Settings().GetBoolDefaultTrue("ShowCSSInMenu")) return;
    HMENU sheets = CreatePopupMenu();
    // Entries 960 to 979 share their ids with other items: they report their position instead.
    MENUINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = MIM_STYLE;
    info.dwStyle = MNS_NOTIFYBYPOS;
    SetMenuInfo(sheets, &info);
    FillStyleSheetMenu(sheets);
    Insert(MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(sheets), "  Select CSS  ");
}

void InsertSheetItems()
{
    const SheetLayout& layout = Main().sheet.sheet.layout;
    Insert(MF_STRING | (layout.firstRowIsTitle ? MF_CHECKED : 0), CMD_SHEET_TITLE_ROW, " First Row as Title   ");
    if (!Settings().GetBoolDefaultFalse("SSNeverSort"))
        Insert(MF_STRING | (layout.columnsNotSortable ? 0 : MF_CHECKED), CMD_SHEET_SORTABLE, " Sortable Columns   ");
    Insert(MF_STRING, CMD_SHEET_KEYWORDS, " Keywords  ");
}

}  // namespace

void RemoveViewerMenuItems()
{
    HMENU tools = Tools();
    // Everything between the two frame separators goes, the frames included.
    int top = -1;
    int bottom = -1;
    const int count = GetMenuItemCount(tools);
    for (int i = 0; i < count; ++i) {
        MENUITEMINFOA item{};
        item.cbSize = sizeof(item);
        item.fMask = MIIM_ID;
        if (!GetMenuItemInfoA(tools, i, TRUE, &item)) continue;
        const UINT id = item.wID;
        if (id == CMD_VIEWER_SEPARATOR_TOP && top < 0) top = i;
        if (id == CMD_VIEWER_SEPARATOR_BOTTOM) bottom = i;
    }
    if (top < 0 || bottom < top) return;
    for (int i = bottom; i >= top; --i) DeleteMenu(tools, i, MF_BYPOSITION);
}

void ShowViewerMenuItems(int viewer)
{
    RemoveViewerMenuItems();
    Insert(MF_SEPARATOR, CMD_VIEWER_SEPARATOR_TOP, nullptr);
    if (viewer == kWebViewer)
        InsertWebItems();
    else if (viewer == kSpreadsheetViewer)
        InsertSheetItems();
    else
        InsertTextItems();
    Insert(MF_SEPARATOR, CMD_VIEWER_SEPARATOR_BOTTOM, nullptr);
}

}  // namespace pw
