#include "sheet/win/sheet_commands.h"

#include "settings/win/messages.h"

namespace pw {

// The spreadsheet document and view are not built yet.
void NewSheet(bool)
{
    ReportNotAvailable("spreadsheets");
}

void SheetCommand(int)
{
    ReportNotAvailable("spreadsheets");
}

void ToggleSheetTitleRow()
{
    ReportNotAvailable("spreadsheets");
}

void ToggleSheetSortable()
{
    ReportNotAvailable("spreadsheets");
}

void InsertSheetRow()
{
    ReportNotAvailable("spreadsheets");
}

// No sheet pane is ever shown and no cell editor ever opens yet: Enter and Escape have nothing to end.
void EditCurrentCell() {}
void EndCellEditing(bool) {}

}  // namespace pw
