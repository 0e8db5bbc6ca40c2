// The open spreadsheet document: opening a file into the table view, saving it back, closing it.
#pragma once

namespace pw {

// Loads the current place's file and shows it; false (nothing shown) when the file cannot be read or the
// program quits meanwhile. newSheet: the file was just created (comma, no title row, cursor on the first cell).
bool OpenSheet(bool newSheet);
// Saves a modified sheet, hides the table view and frees the model.
void CloseSheet();
// Writes a modified sheet back; true when the file was written. An unedited sheet is never written.
bool SaveSheet();
void SetSheetModified(bool modified);
// The next open is of a sheet just created (the file list opens it as any other file).
void OpenNextSheetAsNew();
bool SheetOpen();
// Closes the sheet with its current layout and opens the same file again (after a layout change).
void ReopenSheet();

}  // namespace pw
