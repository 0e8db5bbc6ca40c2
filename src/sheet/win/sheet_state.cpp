#include "sheet/win/sheet_state.h"

namespace pw {
namespace {

SheetState* g_state = nullptr;  // the main window's, while it lives

}  // namespace

void AttachSheetState(SheetState* state)
{
    g_state = state;
}

SheetState& SheetArea()
{
    return *g_state;
}

}  // namespace pw
