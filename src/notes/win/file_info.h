// Per-file info files (".fw"): beside the file, or in the file-info folder.
#pragma once

#include <string>

namespace pw {

// The file-info folder: FileInfoDir (path variables expanded) when set, else "file_info" in the program folder.
std::string FileInfoFolder();
// Creates the file-info folder with any missing parents (start-up).
void EnsureFileInfoFolder();
// The info file of a file: beside it with ".fw" added (FwFileWithOriginal, the default), or in the file-info
// folder named after its path; path variables expanded. In the file-info folder the info file names its
// source: the key "FileName" of "General" is written each time. Empty when the path would not fit.
std::string InfoFileFor(const std::string& filePath);

}  // namespace pw
