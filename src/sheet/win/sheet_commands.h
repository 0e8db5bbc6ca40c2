// The spreadsheet's commands.
#pragma once

namespace pw {

void NewSheet(bool focusSheet);
void SheetCommand(int id);
void ToggleSheetTitleRow();
void ToggleSheetSortable();
void InsertSheetRow();
void EditCurrentCell();
void EndCellEditing(bool keep);

}  // namespace pw
