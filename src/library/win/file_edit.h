// Deleting and renaming the file pane's files, each with its info file.
#pragma once

#include "library/win/library_state.h"

namespace pw {

// Asks "Delete" with the file's path; on Yes deletes the file and its info file.
void DeleteSelectedFile();
// Starts editing the selected file's text in the file pane.
void StartFileRename();
// The file pane's label edit ended: renames the file (and its info file) to the typed name, unchanged.
void FinishFileRename(const LabelEditState& edit);

}  // namespace pw
