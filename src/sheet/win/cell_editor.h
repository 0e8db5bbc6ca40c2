// The spreadsheet's cell editor: a small borderless modeless dialog over the cell being edited.
#pragma once

#include <windows.h>

namespace pw {

// The most characters the editor shows and takes; a longer cell is shown cut and kept whole unless its text
// is changed.
inline constexpr int kCellEditLimit = 1023;

// Lets the open cell editor take Enter, Escape and F5; false when no editor is open or it left the message.
bool CellEditorMessage(MSG& msg);
// Opens the editor on a cell (a view line, a data column); "Cannot edit in View mode" in View mode.
void EditCell(int line, int column);
void EditCurrentCell();
// keep: the text goes into the cell (Enter); otherwise the editor closes without a change (Escape).
void EndCellEditing(bool keep);
void CancelCellEdit();
// The edit control of the open editor, or null.
HWND CellEditBox();
// The editor's own context menu for its present state (the caller destroys it); each item's id is the
// standard edit request it sends (WM_UNDO, WM_CUT, WM_COPY, WM_PASTE, and EM_SETSEL for Select All).
HMENU CellEditMenu();

}  // namespace pw
