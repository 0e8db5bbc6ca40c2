// The open spreadsheet document: opening a file into the table view, saving it back, closing it.
#pragma once

namespace pw {

enum class SheetLoad {
    Shown,
    Unreadable,  // no such file, or it cannot be read: the caller says so
    // The program quit or the sheet was closed while the file was read: nothing is shown, nothing to say.
    // An open asked for while another one reads its file is refused the same way.
    Abandoned,
};

// Loads the current place's file and shows it. Messages are handled while a long file is read, so the window
// keeps answering. newSheet: the file was just created (comma, no title row, cursor on the first cell).
SheetLoad OpenSheet(bool newSheet);
// Saves a modified sheet, hides the table view and frees the model; while a file is being read, abandons
// that open.
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
