// Copy, cut and paste of one file between folders, and the move that a drag onto a folder makes. Each takes
// the file's info file along; a paste also takes the images its note links to.
#pragma once

#include <string>

namespace pw {

// Copy ("copy") or Cut ("move") of the selected file.
void PutFileOnClipboard(const char* operation);
// Copies or moves the pending file into the current file directory and clears what was pending.
void PasteFile();
// A file of the file directory dropped on a folder pane item ("[ . . ]" for one level up).
void MoveFileToFolder(const std::string& file, const std::string& folderItem);

}  // namespace pw
