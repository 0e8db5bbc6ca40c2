// The spreadsheet's commands: the Tools-menu toggles, sorting, grouping, row and column commands, cell links.
#pragma once

#include <windows.h>

#include "sheet/win/cell_editor.h"

namespace pw {

// The table's context-menu commands, 607 to 622.
void SheetCommand(int id);
void ToggleSheetTitleRow();
void ToggleSheetSortable();
// Ctrl+R: an empty row below the cursor row.
void InsertSheetRow();
// A click on column k's title (0 is the row number and does not sort).
void SortByColumn(int column);
void ShowSheetContextMenu(POINT screen);

}  // namespace pw
