// F5 and "Paste current date": the date text of the focused target, inserted at its caret.
#pragma once

#include <windows.h>

namespace pw {

// Inserts the date text at the caret of the Multibar, a spreadsheet cell being edited or the note, replacing
// the selection (undoable). Any other window gets nothing.
void PasteDate(HWND target);

}  // namespace pw
