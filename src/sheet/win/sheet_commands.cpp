#include "sheet/win/sheet_commands.h"

namespace pw {

// The spreadsheet document and view are not built yet.
void NewSheet(bool) {}
void SheetCommand(int) {}
void ToggleSheetTitleRow() {}
void ToggleSheetSortable() {}
void InsertSheetRow() {}
void EditCurrentCell() {}
void EndCellEditing(bool) {}

}  // namespace pw
