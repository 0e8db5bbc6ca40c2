// The table view: a virtual report list over the sheet's model, with a cell cursor drawn on it.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstddef>
#include <optional>
#include <string>

namespace pw {

// Makes the columns (row numbers "fw", then every data column) and the lines of the open sheet. info: the
// file's info file, for its "ColumnWidths".
void BuildSheetView(const std::optional<std::string>& info);
void ClearSheetView();
// The columns again after a column was inserted or deleted: widths by position, new ones the default.
void RebuildSheetColumns();
// The lines again from the model (after a sort, grouping or a row command), keeping the cursor's line when
// it still exists; repaints.
void RefreshSheetLines();
int ColumnWidth(std::size_t column);
// The cell cursor, on a view line and a data column (1-based), scrolled into view.
void MoveCursorTo(int line, int column);
void MoveCursorBy(int lines, int columns);
// The data row a view line shows, none for a group header or no line.
std::optional<std::size_t> DataRowOfLine(int line);
// The line and column under a point of the pane's client area; column 0 is the row number.
bool CellAt(POINT client, int& line, int& column);
// The screen rectangle of a cell, limited to the pane.
RECT CellRect(int line, int column);
// The sortable state of the column titles.
void ShowSortableTitles(bool sortable);
// What the sheet pane reports to its parent.
LRESULT SheetNotification(NMHDR* header);

}  // namespace pw
