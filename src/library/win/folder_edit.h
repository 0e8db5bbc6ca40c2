// Creating and renaming folders through the folder pane's label edit.
#pragma once

#include "library/win/library_state.h"

namespace pw {

// Puts a "New Folder" placeholder at the top of the folder pane and starts editing its text.
void NewFolder();
// The folder pane's label edit ended: creates the placeholder's folder or renames the edited one.
void FinishFolderRename(const LabelEditState& edit);

}  // namespace pw
