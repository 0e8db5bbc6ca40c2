// The list view never holds the cells: it asks for the text of each cell it paints (LVN_GETDISPINFO), so a
// sheet of 100,000 rows shows at once and the model stays the one truth that saving writes. Row colours and
// the cursor's focus rectangle are drawn in the list's custom-draw notifications.
#include "sheet/win/sheet_view.h"

#include <cstdio>

#include "settings/settings_store.h"
#include "settings/win/settings_win.h"
#include "sheet/sheet_files.h"
#include "sheet/win/cell_editor.h"
#include "sheet/win/sheet_commands.h"
#include "sheet/win/sheet_state.h"

namespace pw {
namespace {

constexpr int kRightMargin = 18;
constexpr COLORREF kCursorRowColour = RGB(215, 215, 215);
constexpr COLORREF kOddRowColour = RGB(240, 240, 240);
constexpr COLORREF kGroupHeaderColour = RGB(220, 228, 240);
constexpr UINT_PTR kKeysSubclass = 210;

HWND Pane()
{
    return SheetArea().pane;
}

int LineCount()
{
    return static_cast<int>(SheetArea().lines.size());
}

void InsertColumn(int index, const std::string& title, int width)
{
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT | LVCF_SUBITEM;
    column.fmt = LVCFMT_LEFT;
    column.cx = width;
    column.iSubItem = index;
    column.pszText = const_cast<char*>(title.c_str());
    SendMessageA(Pane(), LVM_INSERTCOLUMNA, index, reinterpret_cast<LPARAM>(&column));
}

// Arrow keys move the cell cursor instead of the list's selection.
LRESULT CALLBACK KeysProc(HWND hwnd, UINT message, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR)
{
    if (message == WM_KEYDOWN && SheetArea().sheet.isOpen) {
        switch (wp) {
            case VK_LEFT:
                MoveCursorBy(0, -1);
                return 0;
            case VK_RIGHT:
                MoveCursorBy(0, 1);
                return 0;
            case VK_UP:
                MoveCursorBy(-1, 0);
                return 0;
            case VK_DOWN:
                MoveCursorBy(1, 0);
                return 0;
            default:
                break;
        }
    }
    return DefSubclassProc(hwnd, message, wp, lp);
}

std::string HeaderText(int group)
{
    const SheetState& state = SheetArea();
    if (!state.grouping) return std::string();
    const SheetGroup* found = state.grouping->Find(group);
    std::size_t count = 0;
    for (const int id : state.grouping->groupOfRow) count += id == group ? 1 : 0;
    char text[64];
    std::snprintf(text, sizeof(text), " (%zu)", count);
    return std::string(state.collapsed ? "+ " : "- ") + (found ? found->name : "") + text;
}

// Row numbers count data rows from the top, passing over group headers.
int RowNumber(int line)
{
    const SheetState& state = SheetArea();
    if (!state.grouping) return line + 1;
    int number = 0;
    for (int i = 0; i <= line; ++i) number += state.lines[i].group == 0 ? 1 : 0;
    return number;
}

void CellText(NMLVDISPINFOA* info)
{
    SheetState& state = SheetArea();
    if (!(info->item.mask & LVIF_TEXT) || info->item.iItem < 0 || info->item.iItem >= LineCount()) return;
    const ViewLine& line = state.lines[info->item.iItem];
    const int column = info->item.iSubItem;
    state.shownText.clear();
    if (line.group != 0) {
        if (column == 1) state.shownText = HeaderText(line.group);
    } else if (column == 0) {
        state.shownText = std::to_string(RowNumber(info->item.iItem));
    } else {
        const std::optional<std::string_view> text =
            state.sheet.CellText(state.sheet.FirstDataRow() + line.dataRow, static_cast<std::size_t>(column - 1));
        if (text) state.shownText.assign(text->substr(0, text->find('\0')));
    }
    info->item.pszText = const_cast<char*>(state.shownText.c_str());
}

LRESULT CustomDraw(NMLVCUSTOMDRAW* draw)
{
    const SheetState& state = SheetArea();
    switch (draw->nmcd.dwDrawStage) {
        case CDDS_PREPAINT:
            return CDRF_NOTIFYITEMDRAW;
        case CDDS_ITEMPREPAINT: {
            const int line = static_cast<int>(draw->nmcd.dwItemSpec);
            draw->clrText = RGB(0, 0, 0);
            if (line < LineCount() && state.lines[line].group != 0) {
                draw->clrTextBk = kGroupHeaderColour;
            } else if (!state.grouping) {
                if (line == state.cursorLine)
                    draw->clrTextBk = kCursorRowColour;
                else if (line % 2 == 1)
                    draw->clrTextBk = kOddRowColour;
            }
            return CDRF_NOTIFYPOSTPAINT;
        }
        case CDDS_ITEMPOSTPAINT: {
            const int line = static_cast<int>(draw->nmcd.dwItemSpec);
            if (line != state.cursorLine || GetForegroundWindow() != state.mainWindow) return CDRF_DODEFAULT;
            RECT cell{};
            cell.top = state.cursorColumn;
            cell.left = LVIR_BOUNDS;
            if (!SendMessageA(Pane(), LVM_GETSUBITEMRECT, line, reinterpret_cast<LPARAM>(&cell))) return CDRF_DODEFAULT;
            cell.left += 1;
            cell.bottom -= 1;
            DrawFocusRect(draw->nmcd.hdc, &cell);
            return CDRF_DODEFAULT;
        }
        default:
            return CDRF_DODEFAULT;
    }
}

void Repaint()
{
    InvalidateRect(Pane(), nullptr, FALSE);
}

// Keeps the cursor cell inside the pane, with a margin at the right edge.
void ScrollToCursor()
{
    const SheetState& state = SheetArea();
    if (state.cursorLine < 0) return;
    SendMessageA(Pane(), LVM_ENSUREVISIBLE, state.cursorLine, FALSE);
    RECT cell{};
    cell.top = state.cursorColumn;
    cell.left = LVIR_BOUNDS;
    if (!SendMessageA(Pane(), LVM_GETSUBITEMRECT, state.cursorLine, reinterpret_cast<LPARAM>(&cell))) return;
    RECT client{};
    GetClientRect(Pane(), &client);
    int dx = 0;
    if (cell.right > client.right - kRightMargin) dx = cell.right - (client.right - kRightMargin);
    if (cell.left - dx < 0) dx = cell.left;
    if (dx != 0) SendMessageA(Pane(), LVM_SCROLL, dx, 0);
}

void OnClick(const NMITEMACTIVATE* activate, bool rightClick)
{
    CancelCellEdit();
    int line = -1;
    int column = -1;
    if (CellAt(activate->ptAction, line, column) && column >= 1) MoveCursorTo(line, column);
    if (!rightClick) return;
    POINT screen = activate->ptAction;
    ClientToScreen(Pane(), &screen);
    SheetArea().rightClick = screen;
    ShowSheetContextMenu(screen);
}

}  // namespace

std::optional<std::size_t> DataRowOfLine(int line)
{
    const SheetState& state = SheetArea();
    if (line < 0 || line >= LineCount() || state.lines[line].group != 0) return std::nullopt;
    return state.lines[line].dataRow;
}

int ColumnWidth(std::size_t column)
{
    return static_cast<int>(SendMessageA(Pane(), LVM_GETCOLUMNWIDTH, column, 0));
}

void BuildSheetView(const std::optional<std::string>& info)
{
    SheetState& state = SheetArea();
    ClearSheetView();
    SetWindowSubclass(Pane(), KeysProc, kKeysSubclass, 0);
    SendMessageA(Pane(), LVM_SETEXTENDEDLISTVIEWSTYLE, 0,
                 LVS_EX_GRIDLINES | LVS_EX_DOUBLEBUFFER | LVS_EX_FULLROWSELECT);
    const IniText infoText(info.value_or(std::string()));
    const std::vector<int> widths = ParseWidths(infoText.Value("General", kColumnWidthsKey).value_or(""));
    const int fallback = Settings().GetInt("SpreadsheetColumnWidth", 100);
    InsertColumn(0, "fw", Settings().GetInt("SpreadsheetNumWidth", 30));
    for (std::size_t c = 1; c <= state.sheet.ColumnCount(); ++c) {
        const int width = c - 1 < widths.size() && widths[c - 1] > 0 ? widths[c - 1] : fallback;
        InsertColumn(static_cast<int>(c), ColumnTitle(state.sheet, c), width);
    }
    state.cursorLine = -1;
    state.cursorColumn = 1;
    RefreshSheetLines();
    ShowSortableTitles(!state.sheet.layout.columnsNotSortable);
}

void RebuildSheetColumns()
{
    SheetState& state = SheetArea();
    const int line = state.cursorLine;
    const int column = state.cursorColumn;
    std::vector<int> widths;
    for (std::size_t c = 1; c <= state.sheet.ColumnCount(); ++c) widths.push_back(ColumnWidth(c));
    std::string info = "[General]\r\n" + std::string(kColumnWidthsKey) + "=" + WidthsText(widths) + "\r\n";
    BuildSheetView(info);
    if (line >= 0) MoveCursorTo(line, column);
}

void ClearSheetView()
{
    SheetState& state = SheetArea();
    state.lines.clear();
    SendMessageA(Pane(), LVM_SETITEMCOUNT, 0, 0);
    while (SendMessageA(Pane(), LVM_DELETECOLUMN, 0, 0)) {
    }
    state.cursorLine = -1;
}

void RefreshSheetLines()
{
    SheetState& state = SheetArea();
    state.lines.clear();
    const std::size_t rows = state.sheet.DataRowCount();
    if (!state.grouping) {
        state.lines.reserve(rows);
        for (std::size_t i = 0; i < rows; ++i) state.lines.push_back({i, 0});
    } else {
        int lastGroup = 0;
        for (const std::size_t row : state.grouping->RowsByGroup()) {
            const int group = state.grouping->groupOfRow[row];
            if (group != lastGroup) state.lines.push_back({0, group});
            lastGroup = group;
            if (!state.collapsed) state.lines.push_back({row, 0});
        }
    }
    SendMessageA(Pane(), LVM_SETITEMCOUNT, state.lines.size(), LVSICF_NOSCROLL);
    if (state.cursorLine >= LineCount()) state.cursorLine = LineCount() - 1;
    Repaint();
}

void MoveCursorTo(int line, int column)
{
    SheetState& state = SheetArea();
    if (LineCount() == 0) return;
    const int columns = static_cast<int>(state.sheet.ColumnCount());
    column = column < 1 ? 1 : (column > columns ? columns : column);
    line = line < 0 ? 0 : (line >= LineCount() ? LineCount() - 1 : line);
    state.cursorLine = line;
    state.cursorColumn = column;
    LVITEMA item{};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(Pane(), LVM_SETITEMSTATE, line, reinterpret_cast<LPARAM>(&item));
    ScrollToCursor();
    Repaint();
}

void MoveCursorBy(int lines, int columns)
{
    const SheetState& state = SheetArea();
    if (state.cursorLine < 0) {
        MoveCursorTo(0, 1);
        return;
    }
    int line = state.cursorLine + lines;
    // Group headers hold no cells: the cursor passes over them.
    while (lines != 0 && line >= 0 && line < LineCount() && state.lines[line].group != 0) line += lines > 0 ? 1 : -1;
    if (line < 0 || line >= LineCount()) line = state.cursorLine;
    const int column = state.cursorColumn + columns;
    if (line == state.cursorLine && (column < 1 || column > static_cast<int>(state.sheet.ColumnCount()))) return;
    MoveCursorTo(line, column);
}

bool CellAt(POINT client, int& line, int& column)
{
    LVHITTESTINFO hit{};
    hit.pt = client;
    if (SendMessageA(Pane(), LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&hit)) < 0 || hit.iItem < 0) return false;
    line = hit.iItem;
    column = hit.iSubItem;
    return true;
}

RECT CellRect(int line, int column)
{
    RECT cell{};
    cell.top = column;
    cell.left = LVIR_BOUNDS;
    SendMessageA(Pane(), LVM_GETSUBITEMRECT, line, reinterpret_cast<LPARAM>(&cell));
    RECT client{};
    GetClientRect(Pane(), &client);
    if (cell.right > client.right - kRightMargin) cell.right = client.right - kRightMargin;
    if (cell.left < 0) cell.left = 0;
    MapWindowPoints(Pane(), nullptr, reinterpret_cast<POINT*>(&cell), 2);
    return cell;
}

void ShowSortableTitles(bool sortable)
{
    HWND header = reinterpret_cast<HWND>(SendMessageA(Pane(), LVM_GETHEADER, 0, 0));
    if (!header) return;
    LONG_PTR style = GetWindowLongPtrA(header, GWL_STYLE);
    style = sortable ? (style | HDS_BUTTONS) : (style & ~static_cast<LONG_PTR>(HDS_BUTTONS));
    SetWindowLongPtrA(header, GWL_STYLE, style);
}

LRESULT SheetNotification(NMHDR* header)
{
    if (!SheetArea().sheet.isOpen) return 0;
    switch (header->code) {
        case LVN_GETDISPINFOA:
            CellText(reinterpret_cast<NMLVDISPINFOA*>(header));
            return 0;
        case NM_CUSTOMDRAW:
            return CustomDraw(reinterpret_cast<NMLVCUSTOMDRAW*>(header));
        case NM_CLICK:
            OnClick(reinterpret_cast<NMITEMACTIVATE*>(header), false);
            return 0;
        case NM_RCLICK:
            OnClick(reinterpret_cast<NMITEMACTIVATE*>(header), true);
            return 0;
        case NM_DBLCLK: {
            const auto* activate = reinterpret_cast<NMITEMACTIVATE*>(header);
            int line = -1;
            int column = -1;
            if (CellAt(activate->ptAction, line, column)) EditCell(line, column);
            return 0;
        }
        case LVN_COLUMNCLICK:
            SortByColumn(reinterpret_cast<NMLISTVIEW*>(header)->iSubItem);
            return 0;
        case LVN_BEGINSCROLL:
            CancelCellEdit();
            return 0;
        default:
            return 0;
    }
}

}  // namespace pw
