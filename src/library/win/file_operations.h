// The folder and file panes' context menus and the file operations behind them.
#pragma once

#include <windows.h>

#include <string>

namespace pw {

void ShowFileContextMenu(POINT screen);
void ShowFolderContextMenu(POINT screen);
// Commands 400 to 403 and 500 to 513 that belong to file and folder operations.
void FileOperation(int id);
// Posted after a label edit ends (5001 files, 5002 folders).
void FinishRename(int id);
void DeleteSelectedFile();
// A file of the file directory dropped on a folder pane item ("[ . . ]" for one level up).
void MoveFileToFolder(const std::string& file, const std::string& folderItem);

}  // namespace pw
