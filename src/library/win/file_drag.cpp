// Without Ctrl the main window captures the mouse: over a folder item that item is highlighted and the
// "may drop" cursor shows, elsewhere the "may not" cursor; the release moves the file into the folder under
// the pointer and the folder pane's earlier selection comes back.
#include "library/win/file_drag.h"

#include <commctrl.h>

#include <string>

#include "library/win/file_operations.h"
#include "library/win/file_pane.h"
#include "library/win/folder_pane.h"
#include "library/win/list_view.h"
#include "shell/win/main_window.h"

namespace pw {
namespace {

struct DragState {
    bool active = false;
    std::string file;
    int folderSelection = -1;
    int target = -1;
    HCURSOR previousCursor = nullptr;
};

DragState g_drag;

int FolderItemAt(POINT client)
{
    HWND folders = Main().panes.folders;
    MapWindowPoints(Main().hwnd, folders, &client, 1);
    LVHITTESTINFO hit{};
    hit.pt = client;
    const int index = ListView_HitTest(folders, &hit);
    return (hit.flags & LVHT_ONITEM) ? index : -1;
}

void Highlight(int index)
{
    HWND folders = Main().panes.folders;
    QuietPanes quiet;
    ListView_SetItemState(folders, -1, 0, LVIS_DROPHILITED);
    if (index >= 0) ListView_SetItemState(folders, index, LVIS_DROPHILITED, LVIS_DROPHILITED);
}

}  // namespace

void BeginFileDrag()
{
    // Dragging out to other programs (Ctrl held) arrives with drag and drop.
    if (GetKeyState(VK_CONTROL) < 0) return;
    const std::string file = SelectedFileName();
    if (file.empty()) return;
    g_drag = DragState{};
    g_drag.active = true;
    g_drag.file = file;
    g_drag.folderSelection = list_view::Selected(Main().panes.folders);
    SetCapture(Main().hwnd);
    g_drag.previousCursor = SetCursor(Main().dropNoCursor.get());
}

bool FileDragActive()
{
    return g_drag.active;
}

void FileDragMove(POINT client)
{
    if (!g_drag.active) return;
    g_drag.target = FolderItemAt(client);
    Highlight(g_drag.target);
    SetCursor(g_drag.target >= 0 ? Main().dropOkCursor.get() : Main().dropNoCursor.get());
}

namespace {

// Ends the drag without a drop: the capture goes, the cursor, highlight and folder selection come back.
void EndFileDrag()
{
    g_drag.active = false;
    if (GetCapture() == Main().hwnd) ReleaseCapture();
    SetCursor(g_drag.previousCursor);
    Highlight(-1);
    QuietPanes quiet;
    if (g_drag.folderSelection >= 0) list_view::Select(Main().panes.folders, g_drag.folderSelection);
}

}  // namespace

void FileDragDrop(POINT client)
{
    if (!g_drag.active) return;
    const int target = FolderItemAt(client);
    const std::string folder = target >= 0 ? list_view::Text(Main().panes.folders, target) : std::string();
    const std::string file = g_drag.file;
    EndFileDrag();
    if (!folder.empty()) MoveFileToFolder(file, folder);
}

void CancelFileDrag()
{
    if (g_drag.active) EndFileDrag();
}

}  // namespace pw
