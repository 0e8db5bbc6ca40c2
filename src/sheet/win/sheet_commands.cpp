#include "sheet/win/sheet_commands.h"

#include <commctrl.h>

#include <string>
#include <vector>

#include "settings/settings_store.h"
#include "settings/win/handles.h"
#include "settings/win/messages.h"
#include "settings/win/safe_file.h"
#include "settings/win/settings_win.h"
#include "sheet/cell_links.h"
#include "sheet/sheet_files.h"
#include "sheet/win/sheet_document.h"
#include "sheet/win/sheet_state.h"
#include "sheet/win/sheet_view.h"

namespace pw {
namespace {

enum : int {
    kInsertRow = 607,
    kCutRow = 608,
    kInsertColumn = 609,
    kDeleteColumn = 610,
    kPasteRow = 611,
    kDeleteRow = 613,
    kGroup = 614,
    kUngroup = 615,
    kExpandAll = 616,
    kCollapseAll = 617,
    kFirstLink = 618,
    kLinkItems = 5,
};

SheetState& State()
{
    return SheetArea();
}

// The line and column under the remembered right-click point; false when it hit no cell.
bool RightClickedCell(int& line, int& column)
{
    POINT client = State().rightClick;
    ScreenToClient(State().pane, &client);
    return CellAt(client, line, column);
}

void AfterRowChange(int cursorLine)
{
    SetSheetModified(true);
    if (State().grouping) State().grouping = GroupRows(State().sheet, State().grouping->column);
    RefreshSheetLines();
    if (cursorLine >= 0) MoveCursorTo(cursorLine, State().cursorColumn);
}

// The view line that shows a data row.
int LineOfRow(std::size_t row)
{
    const std::vector<ViewLine>& lines = State().lines;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].group == 0 && lines[i].dataRow == row) return static_cast<int>(i);
    }
    return -1;
}

// A new row below the target line's row (at the end without one); when grouped it joins the target's group.
void InsertRowBelow(int line, std::vector<std::string> cells)
{
    Sheet& sheet = State().sheet;
    const std::optional<std::size_t> target = DataRowOfLine(line);
    if (State().grouping && target) {
        const std::size_t column = State().grouping->column;
        const std::optional<std::string_view> text = sheet.CellText(sheet.FirstDataRow() + *target, column);
        if (cells.size() <= column) cells.resize(column + 1);
        cells[column] = std::string(text.value_or(""));
    }
    const std::size_t row = sheet.InsertDataRow(target, std::move(cells));
    SetSheetModified(true);
    if (State().grouping) State().grouping = GroupRows(sheet, State().grouping->column);
    RefreshSheetLines();
    const int shown = LineOfRow(row);
    if (shown < 0) {
        StatusMessage("Can't find row");
        return;
    }
    MoveCursorTo(shown, State().cursorColumn);
}

bool RefuseInViewMode()
{
    if (!State().host->InViewMode()) return false;
    StatusMessage("Cannot edit in View mode");
    return true;
}

void DeleteRowAt(int line, bool cut)
{
    Sheet& sheet = State().sheet;
    const std::optional<std::size_t> row = DataRowOfLine(line);
    if (!row) return;
    if (cut) {
        const SheetRow& source = sheet.DataRow(*row);
        std::vector<std::string> cells = source.cells;
        if (cells.size() > sheet.ColumnCount()) cells.resize(sheet.ColumnCount());
        State().rowClipboard = std::move(cells);
    }
    sheet.DeleteDataRow(*row);
    AfterRowChange(line < static_cast<int>(State().lines.size()) - 1 ? line : line - 1);
}

void InsertColumnAt(int column)
{
    if (column < 1) return;
    State().sheet.InsertColumn(static_cast<std::size_t>(column - 1));
    SetSheetModified(true);
    RebuildSheetColumns();
}

void DeleteColumnAt(int column)
{
    if (column == 0) {
        StatusMessage("Can't delete first column");
        return;
    }
    if (State().sheet.ColumnCount() <= 1) return;
    if (Settings().GetBoolDefaultTrue("SpreadsheetVerifyCut") &&
        ShowBox(State().mainWindow, "Are you sure you want to remove this column? \nThis action is not reversable",
                "Verify", MB_YESNO | MB_ICONWARNING) != IDYES) {
        return;
    }
    State().sheet.DeleteColumn(static_cast<std::size_t>(column - 1));
    SetSheetModified(true);
    RebuildSheetColumns();
}

void GroupBy(int column)
{
    if (column < 1) return;
    State().grouping = GroupRows(State().sheet, static_cast<std::size_t>(column - 1));
    State().collapsed = false;
    State().cursorLine = -1;
    RefreshSheetLines();
}

void Ungroup()
{
    State().grouping.reset();
    State().collapsed = false;
    RefreshSheetLines();
}

std::vector<CellLink> CursorLinks()
{
    const SheetState& state = State();
    const std::optional<std::size_t> row = DataRowOfLine(state.cursorLine);
    if (!row) return {};
    const std::optional<std::string_view> text =
        state.sheet.CellText(state.sheet.FirstDataRow() + *row, static_cast<std::size_t>(state.cursorColumn - 1));
    return text ? CellLinks(*text) : std::vector<CellLink>{};
}

void OpenLink(int index)
{
    const std::vector<CellLink> links = CursorLinks();
    if (index < 0 || index >= static_cast<int>(links.size())) return;
    if (links[index].web)
        State().host->OpenWebLink(links[index].text);
    else
        State().host->OpenNoteLink(links[index].text);
}

void StoreFlag(std::string_view key, bool value)
{
    const std::string text = value ? "1" : "0";
    Settings().Set(State().host->InfoFileOf(State().sheet.path), "General", key, text);
    Settings().Set(Settings().Path(), "General", key, text);
}

void Append(HMENU menu, UINT flags, int id, const std::string& text)
{
    AppendMenuA(menu, MF_STRING | flags, static_cast<UINT_PTR>(id), text.c_str());
}

}  // namespace

void SheetCommand(int id)
{
    if (!State().sheet.isOpen) return;
    int line = -1;
    int column = -1;
    const bool hit = RightClickedCell(line, column);
    if (id >= kFirstLink && id < kFirstLink + kLinkItems) {
        OpenLink(id - kFirstLink);
        return;
    }
    if (id == kUngroup) return Ungroup();
    if (id == kExpandAll || id == kCollapseAll) {
        State().collapsed = id == kCollapseAll;
        RefreshSheetLines();
        return;
    }
    if (id == kGroup) {
        if (hit) GroupBy(column);
        return;
    }
    if (RefuseInViewMode()) return;
    switch (id) {
        case kInsertRow:
            InsertRowBelow(hit ? line : -1, {});
            break;
        case kPasteRow:
            if (!State().rowClipboard) return;
            InsertRowBelow(hit ? line : -1, *State().rowClipboard);
            State().rowClipboard.reset();
            break;
        case kDeleteRow:
        case kCutRow:
            if (hit) DeleteRowAt(line, id == kCutRow);
            break;
        case kInsertColumn:
            if (hit) InsertColumnAt(column);
            break;
        case kDeleteColumn:
            if (hit) DeleteColumnAt(column);
            break;
        default:
            break;
    }
}

void InsertSheetRow()
{
    if (!State().sheet.isOpen || RefuseInViewMode()) return;
    InsertRowBelow(State().cursorLine, {});
}

void SortByColumn(int column)
{
    SheetState& state = State();
    if (column < 1 || state.sheet.layout.columnsNotSortable || state.grouping) return;
    CancelCellEdit();
    state.descending = column == state.sortColumn ? !state.descending : false;
    state.sortColumn = column;
    const bool blanksLast = Settings().GetBoolDefaultFalse("SpreadsheetSortBlankAtBottom");
    const std::vector<std::size_t> order =
        SortedOrder(state.sheet, static_cast<std::size_t>(column - 1), state.descending, blanksLast);
    state.sheet.ReorderDataRows(order);
    state.cursorLine = -1;
    // The rows' order is what a save writes: a sort is an edit.
    SetSheetModified(true);
    RefreshSheetLines();
}

void ToggleSheetTitleRow()
{
    if (!State().sheet.isOpen) return;
    const bool title = !State().sheet.layout.firstRowIsTitle;
    const std::string path = State().sheet.path;
    CloseSheet();
    State().sheet.path = path;
    StoreFlag(kFirstRowAsTitleKey, title);
    OpenSheet(false);
}

void ToggleSheetSortable()
{
    SheetLayout& layout = State().sheet.layout;
    if (!State().sheet.isOpen || ReadSheetSettings(Settings()).neverSort) return;
    layout.columnsNotSortable = !layout.columnsNotSortable;
    StoreFlag(kSortHeaderKey, layout.columnsNotSortable);
    ShowSortableTitles(!layout.columnsNotSortable);
}

void ShowSheetContextMenu(POINT screen)
{
    const SheetState& state = State();
    MenuHandle menu(CreatePopupMenu());
    const UINT editing = state.host->InViewMode() ? MF_GRAYED : 0;
    Append(menu.get(), editing, kInsertRow, "    Insert Row   ");
    Append(menu.get(), editing, kDeleteRow, "    Delete Row  ");
    Append(menu.get(), editing, kCutRow, "    Cut Row   ");
    if (state.rowClipboard) Append(menu.get(), editing, kPasteRow, "    Paste Row   ");
    AppendMenuA(menu.get(), MF_SEPARATOR, 0, nullptr);
    Append(menu.get(), editing, kInsertColumn, "    Insert Column   ");
    Append(menu.get(), editing, kDeleteColumn, "    Delete Column   ");
    AppendMenuA(menu.get(), MF_SEPARATOR, 0, nullptr);
    Append(menu.get(), 0, kGroup, "    Group by this column ");
    Append(menu.get(), state.grouping && !state.collapsed && !editing ? 0 : MF_GRAYED, kUngroup, "    Ungroup  ");
    if (state.grouping && !editing) {
        AppendMenuA(menu.get(), MF_SEPARATOR, 0, nullptr);
        Append(menu.get(), state.collapsed ? MF_GRAYED : 0, kCollapseAll, "    Collapse all  ");
        Append(menu.get(), 0, kExpandAll, "    Expand all  ");
    }
    const std::vector<CellLink> links = CursorLinks();
    if (!links.empty()) AppendMenuA(menu.get(), MF_SEPARATOR, 0, nullptr);
    for (std::size_t i = 0; i < links.size() && i < kLinkItems; ++i)
        Append(menu.get(), 0, kFirstLink + static_cast<int>(i), "    " + links[i].text);
    TrackPopupMenu(menu.get(), TPM_LEFTALIGN | TPM_RIGHTBUTTON, screen.x, screen.y, 0, state.mainWindow, nullptr);
}

}  // namespace pw
