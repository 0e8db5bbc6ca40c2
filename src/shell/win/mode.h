// View mode (notes shown rendered) and Edit mode (notes shown in the editor).
#pragma once

#include "shell/win/main_window.h"

namespace pw {

ViewMode CurrentMode();
// Flips the mode by the state that the Tools menu item carries in its text. Unless keepDocument, the open
// document is saved first and the selected file is shown again in the new mode.
void ToggleMode(bool keepDocument);
void EnsureEditMode();

}  // namespace pw
