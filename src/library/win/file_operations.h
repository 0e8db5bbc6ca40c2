// The folder and file panes' context menus and the file operations behind them.
#pragma once

#include <windows.h>

#include <string>

namespace pw {

// The menus as they stand now (texts and enabled states); the caller owns the menu.
HMENU BuildFileContextMenu();
HMENU BuildFolderContextMenu();
void ShowFileContextMenu(POINT screen);
void ShowFolderContextMenu(POINT screen);
// Commands 400 to 403 and 500 to 513 that belong to file and folder operations.
void FileOperation(int id);
// A label edit of the folder or file pane starts (the item's text is the old name) and ends (the edited
// text, null when there is none).
void BeginLabelEdit(HWND list, int index);
void EndLabelEdit(const char* text);
// Posted after a label edit ends (5001 files, 5002 folders), so that the rename runs after the list view is
// done with the edit.
void FinishRename(int id);

}  // namespace pw
