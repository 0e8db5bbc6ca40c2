// Without Ctrl the main window captures the mouse: over a folder item that item is highlighted and the
// "may drop" cursor shows, elsewhere the "may not" cursor; the release moves the file into the folder under
// the pointer and the folder pane's earlier selection comes back.
#include "library/win/file_drag.h"

#include <commctrl.h>

#include <string>

#include "library/win/file_clipboard.h"
#include "library/win/file_pane.h"
#include "library/win/folder_pane.h"
#include "library/win/library_state.h"
#include "library/win/list_view.h"
#include "media/win/drag_out.h"

namespace pw {
namespace {

FileDragState& Drag()
{
    return LibraryArea().drag;
}

const LibraryPanes& Panes()
{
    return LibraryArea().panes;
}

int FolderItemAt(POINT client)
{
    HWND folders = Panes().folders;
    MapWindowPoints(Panes().mainWindow, folders, &client, 1);
    LVHITTESTINFO hit{};
    hit.pt = client;
    const int index = ListView_HitTest(folders, &hit);
    return (hit.flags & LVHT_ONITEM) ? index : -1;
}

void Highlight(int index)
{
    HWND folders = Panes().folders;
    QuietPanes quiet;
    ListView_SetItemState(folders, -1, 0, LVIS_DROPHILITED);
    if (index >= 0) ListView_SetItemState(folders, index, LVIS_DROPHILITED, LVIS_DROPHILITED);
}

}  // namespace

void BeginFileDrag()
{
    const std::string file = SelectedFileName();
    if (file.empty()) return;
    // With Ctrl held the file goes out to other programs through the system's drag and drop.
    if (GetKeyState(VK_CONTROL) < 0) {
        if (CurrentPlace().inUse) dragFileOut(FileDirectory(CurrentPlace()), file);
        return;
    }
    Drag() = FileDragState{};
    Drag().active = true;
    Drag().file = file;
    Drag().folderSelection = list_view::Selected(Panes().folders);
    SetCapture(Panes().mainWindow);
    Drag().previousCursor = SetCursor(Panes().dropNo);
}

bool FileDragActive()
{
    return Drag().active;
}

void FileDragMove(POINT client)
{
    if (!Drag().active) return;
    Drag().target = FolderItemAt(client);
    Highlight(Drag().target);
    SetCursor(Drag().target >= 0 ? Panes().dropOk : Panes().dropNo);
}

namespace {

// Ends the drag without a drop: the capture goes, the cursor, highlight and folder selection come back.
void EndFileDrag()
{
    Drag().active = false;
    if (GetCapture() == Panes().mainWindow) ReleaseCapture();
    SetCursor(Drag().previousCursor);
    Highlight(-1);
    QuietPanes quiet;
    if (Drag().folderSelection >= 0) list_view::Select(Panes().folders, Drag().folderSelection);
}

}  // namespace

void FileDragDrop(POINT client)
{
    if (!Drag().active) return;
    const int target = FolderItemAt(client);
    const std::string folder = target >= 0 ? list_view::Text(Panes().folders, target) : std::string();
    const std::string file = Drag().file;
    EndFileDrag();
    if (!folder.empty()) MoveFileToFolder(file, folder);
}

void CancelFileDrag()
{
    if (Drag().active) EndFileDrag();
}

}  // namespace pw
