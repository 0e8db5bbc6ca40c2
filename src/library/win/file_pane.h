// The file pane (201): the files of the current file directory, and the open routine that shows one.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "library/viewers.h"

namespace pw {

// Refills the file pane with the files of the current file directory, sorted by name. A filter (551 to
// 555) lasts for this listing only.
void ListFiles(bool withMessage, int filter = 0);
void ClearFiles();
// Sort commands: the same column again flips the direction. The open document is closed first.
void SortFiles(int column);
// Refresh: the same as choosing the folder pane's current selection again.
void RefreshFiles();
// Filter view commands 550 to 555.
void FilterFiles(int command);
// Lists the files again keeping the selected name selected; closes the document when the name is gone.
void RelistFilesKeepingSelection(bool sort);
// The name selected in the file pane ("" when none).
std::string SelectedFileName();
// The name of the file pane's item at the index ("" when there is none).
std::string FileNameAt(int index);

// The virtual file pane asks for an item's text and icon.
bool FilePaneDisplayInfo(NMLVDISPINFOA* info);
// The first item from start with that name (or starting with it); -1 when none.
int FindFileItem(const std::string& name, int start, bool prefix);

// Selects the first item whose text equals the name (case ignored) and scrolls it into view.
bool SelectFileByName(const std::string& name);
// Inserts one file without a full refill (after create, paste, rename).
void AddFileItem(const std::string& name);
// Takes one file out of the pane without a full refill (after delete).
void RemoveFileItem(const std::string& name);
// The item of the old name shows the new one and is selected (after rename).
void RenameFileItem(const std::string& oldName, const std::string& newName);
// Draws the pending cut's file in the list view's cut state while it is listed.
void ShowCutFile();
// The open routine: shows the selected file (or its neighbour) in the viewer its extension and the mode pick.
void OpenSelectedFile(OpenMode mode, bool focus, bool push);
// Selects the named file and opens it (mode 1); false when the file pane has no such item.
bool SelectAndOpenFile(const std::string& name);
// The browser went Back or Forward to the page of this file: the file pane and the current place follow
// it, without rendering the page again (which would cut the browser's history short).
bool FollowShownFile(const std::string& name);

}  // namespace pw
