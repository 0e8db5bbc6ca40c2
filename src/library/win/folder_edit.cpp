#include "library/win/folder_edit.h"

#include <shlobj.h>

#include <string>

#include "library/listing.h"
#include "library/win/list_view.h"
#include "settings/text.h"
#include "settings/win/messages.h"
#include "settings/win/safe_file.h"

namespace pw {
namespace {

constexpr const char* kNewFolderText = "New Folder";

HWND Folders()
{
    return LibraryArea().panes.folders;
}

void ShowName(const std::string& from, const std::string& to)
{
    const int index = list_view::Find(Folders(), from);
    if (index >= 0) list_view::SetText(Folders(), index, to);
}

}  // namespace

void NewFolder()
{
    if (!CurrentPlace().inUse) return;
    list_view::Insert(Folders(), 0, kNewFolderText, static_cast<int>(FolderIcon::Plain));
    LibraryArea().labelEdit.newFolder = true;
    SetFocus(Folders());
    ListView_EditLabel(Folders(), 0);
}

void FinishFolderRename(const LabelEditState& edit)
{
    const PlaceRecord& place = CurrentPlace();
    if (!place.inUse || edit.newName.empty() || edit.newName == "null") return;
    std::string newPath;
    std::string oldPath;
    if (!JoinPath(newPath, place.folderPath, edit.newName) || !JoinPath(oldPath, place.folderPath, edit.oldName))
        return;
    // The list view put the old text back when the edit ended; only a done rename shows the new one.
    if (edit.oldName == kParentEntry) return;
    if (IsFolder(newPath)) {
        StatusMessage("Directory %s already exists", edit.newName.c_str());
        return;
    }
    // The placeholder always makes a new folder, even where a folder named "New Folder" exists already:
    // renaming that one instead would move the user's folder under a name they meant for a new one.
    if (edit.newFolder) {
        if (SHCreateDirectoryExA(nullptr, newPath.c_str(), nullptr) == ERROR_SUCCESS) {
            ShowName(edit.oldName, edit.newName);
            StatusMessage("Created %s", edit.newName.c_str());
        } else {
            StatusMessage("Could not create %s", edit.newName.c_str());
        }
        return;
    }
    if (!IsFolder(oldPath)) return;
    if (MoveFileA(oldPath.c_str(), newPath.c_str())) {
        ShowName(edit.oldName, edit.newName);
        StatusMessage("Directory renamed to %s", edit.newName.c_str());
    } else {
        StatusMessage("Directory not renamed");
    }
}

}  // namespace pw
