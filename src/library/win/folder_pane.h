// The folder pane (200) and the current-folder caption (207).
#pragma once

#include <string>

namespace pw {

// Refills the folder pane with the subfolders of the current root's folder path.
void ListFolders(bool withMessage);
void UpdateCaption();
// The user selected a folder: its files are listed (the parent entry lists the folder path's own files).
void OnFolderSelectionChanged();
// Back and the recent notes: selects the named subfolder (none when it is empty or gone, quietly), then
// recomputes the file folder from it and lists its files.
void RestoreFolderSelection(const std::string& selectedFolder, bool withMessage);
// Refresh: close the document and list the files of the folder pane's current selection again (the folder
// path's own files when nothing is selected).
void ReloadFolderSelection();
// Double click or Enter: move into the selected folder, or up for the parent entry.
void OnFolderActivated();
// Caption click: back to the root folder of the current root.
void ReturnToRootFolder();
// Opens the folder's index file ("_index.txt" unless IndexFile says otherwise) when LoadIndexFiles is on.
void RunIndexFileStep();
// True while the program itself changes the panes' selection (their notifications are then ignored).
bool PanesQuiet();

class QuietPanes {
public:
    QuietPanes();
    ~QuietPanes();
    QuietPanes(const QuietPanes&) = delete;
    QuietPanes& operator=(const QuietPanes&) = delete;
};

}  // namespace pw
