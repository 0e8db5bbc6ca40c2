#include "library/win/file_edit.h"

#include <string>

#include "library/win/file_pane.h"
#include "library/win/folder_watch.h"
#include "library/win/list_view.h"
#include "notes/win/document.h"
#include "notes/win/file_info.h"
#include "settings/text.h"
#include "settings/win/messages.h"
#include "settings/win/safe_file.h"

namespace pw {
namespace {

HWND Files()
{
    return LibraryArea().panes.files;
}

// The info file follows its file; a file without one has nothing to carry.
void RenameInfoFile(const std::string& oldPath, const std::string& newPath)
{
    const std::string from = InfoFileFor(oldPath);
    const std::string to = InfoFileFor(newPath);
    if (!from.empty() && !to.empty() && PathExists(from)) MoveFileA(from.c_str(), to.c_str());
}

}  // namespace

void DeleteSelectedFile()
{
    const std::string name = SelectedFileName();
    if (name.empty() || !CurrentPlace().inUse) return;
    std::string path;
    if (!JoinPath(path, FileDirectory(CurrentPlace()), name)) return;
    CloseDocument();
    if (!YesNoQuestion(LibraryArea().panes.mainWindow, "Delete", path)) return;
    if (!DeleteFileA(path.c_str())) {
        // Saying nothing would leave the user believing the file is gone.
        StatusMessage("Could not delete %s: %s", name.c_str(), LastErrorText().c_str());
        return;
    }
    const std::string info = InfoFileFor(path);
    if (!info.empty()) DeleteFileA(info.c_str());
    RemoveFileItem(name);
    ResetFolderWatch();
}

void StartFileRename()
{
    const int index = list_view::Selected(Files());
    if (index < 0 || !CurrentPlace().inUse) return;
    SetFocus(Files());
    ListView_EditLabel(Files(), index);
}

void FinishFileRename(const LabelEditState& edit)
{
    PlaceRecord& place = CurrentPlace();
    if (!place.inUse) return;
    if (edit.newName.empty() || edit.newName == "null") {
        StatusMessage("Error getting new name");
        return;
    }
    std::string oldPath;
    std::string newPath;
    const std::string& folder = FileDirectory(place);
    if (!JoinPath(oldPath, folder, edit.oldName) || !JoinPath(newPath, folder, edit.newName)) {
        StatusMessage("Error renaming %s", edit.oldName.c_str());
        return;
    }
    const bool wasOpen = !place.file.empty() && EqualsNoCase(place.file, edit.oldName);
    const std::string openFile = place.file;
    if (wasOpen) CloseDocument();
    // MoveFileA refuses an existing target: a rename never replaces another file.
    if (!MoveFileA(oldPath.c_str(), newPath.c_str())) {
        StatusMessage("Error renaming %s", edit.oldName.c_str());
        return;
    }
    RenameFileItem(edit.oldName, edit.newName);
    StatusMessage("%s renamed %s", edit.oldName.c_str(), edit.newName.c_str());
    RenameInfoFile(oldPath, newPath);
    ResetFolderWatch();
    if (wasOpen) {
        OpenSelectedFile(OpenMode::Open, false, false);
    } else if (!openFile.empty()) {
        SelectFileByName(openFile);
    }
}

}  // namespace pw
