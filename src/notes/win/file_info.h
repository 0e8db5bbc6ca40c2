// Per-file info files (".fw"): beside the file, or in the file-info folder.
#pragma once

#include <string>

namespace pw {

// The file-info folder: FileInfoDir (expanded) when set, else "file_info" in the program folder.
std::string FileInfoFolder();
// Creates the file-info folder with any missing parents (start-up).
void EnsureFileInfoFolder();

}  // namespace pw
