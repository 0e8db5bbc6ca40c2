// The root list (205): building the root table from the settings, and switching roots.
#pragma once

#include <string>

namespace pw {

// Start-up and after Configure: builds the table, makes LastRoot current, fills the list, lists the panes.
void BuildRootsFromSettings();
// Empties the root list and adds every alias in table order, selecting the current root's by prefix.
void FillRootList();
// The user picked an entry (typed = the text was typed and Enter pressed).
void SelectRootFromList(bool typed);
// Makes a root current and lists its folders and files from its root folder.
void OpenRoot(int index, bool withMessage);
// Adds a root at run time; -1 (after "Hit maximum number of roots") when the table is full.
int AddRuntimeRoot(const std::string& storedPath, const std::string& path, const std::string& alias,
                   const std::string& extension);
bool RootListHasFocus();
void SetRootListFocus(bool focused);

}  // namespace pw
