// Reading a folder's entries: name, attributes and last-write time, nothing of the files' contents.
#pragma once

#include <string>
#include <vector>

#include "library/file_kinds.h"

namespace pw {

struct FolderEntry {
    DirectoryEntry entry;
    std::string date;  // last-write time as sortable text; "" when it cannot be read
};

// The entries of folder\*.* without "." and ".."; false when the enumeration cannot start.
bool ReadFolder(const std::string& folder, std::vector<FolderEntry>& entries);
// Whether the folder holds a subfolder other than "." and ".." (and other than "imgs" when own entries hide).
bool HasSubfolders(const std::string& folder, bool ownEntriesHidden);
// The folder's last-write time, or 0 when it cannot be read.
unsigned long long FolderWriteTime(const std::string& folder);
HiddenEntryRules CurrentHiddenRules();

}  // namespace pw
