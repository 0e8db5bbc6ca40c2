// The spreadsheet's cell editor, a small modeless box over the current cell.
#pragma once

#include <windows.h>

namespace pw {

// Lets the open cell editor take its navigation keys; false when no editor is open or it left the message.
bool CellEditorMessage(MSG& msg);

}  // namespace pw
