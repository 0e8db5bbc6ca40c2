#include "sheet/win/cell_editor.h"

namespace pw {

// The spreadsheet view is not built yet, so no cell editor is ever open.
bool CellEditorMessage(MSG&)
{
    return false;
}

}  // namespace pw
