#include "shell/win/notifications.h"

#include <commctrl.h>

#include "library/viewers.h"
#include "library/win/file_drag.h"
#include "library/win/file_edit.h"
#include "library/win/file_operations.h"
#include "library/win/file_pane.h"
#include "library/win/folder_pane.h"
#include "sheet/win/sheet_view.h"
#include "shell/ids.h"
#include "shell/win/main_window.h"
#include "shell/win/toolbar.h"

namespace pw {
namespace {

LRESULT ToolbarTooltipText(NMHDR* header)
{
    auto* info = reinterpret_cast<NMTTDISPINFOA*>(header);
    const char* text = ToolbarTooltip(header->idFrom);
    info->lpszText = const_cast<char*>(text ? text : "");
    info->hinst = nullptr;
    return 0;
}

// A finished label edit is posted as a command, so the rename runs after the list view is done with it.
LRESULT LabelEditEnded(NMHDR* header, int command)
{
    EndLabelEdit(reinterpret_cast<NMLVDISPINFOA*>(header)->item.pszText);
    PostMessageA(Main().hwnd, WM_COMMAND, MAKEWPARAM(command, 0), 0);
    return FALSE;
}

LRESULT LabelEditStarted(NMHDR* header)
{
    BeginLabelEdit(header->hwndFrom, reinterpret_cast<NMLVDISPINFOA*>(header)->item.iItem);
    return FALSE;
}

LRESULT FolderPaneNotification(NMHDR* header)
{
    switch (header->code) {
        case LVN_ITEMCHANGED: {
            auto* change = reinterpret_cast<NMLISTVIEW*>(header);
            if ((change->uChanged & LVIF_STATE) && (change->uNewState & LVIS_SELECTED) &&
                !(change->uOldState & LVIS_SELECTED))
                OnFolderSelectionChanged();
            return 0;
        }
        case NM_DBLCLK:
            OnFolderActivated();
            return 0;
        case LVN_BEGINLABELEDITA:
            return LabelEditStarted(header);
        case LVN_ENDLABELEDITA:
            return LabelEditEnded(header, CMD_RENAME_FOLDER_DONE);
        default:
            return 0;
    }
}

LRESULT FilePaneKey(NMHDR* header)
{
    switch (reinterpret_cast<NMLVKEYDOWN*>(header)->wVKey) {
        case VK_UP:
            OpenSelectedFile(OpenMode::Previous, false, true);
            break;
        case VK_DOWN:
            OpenSelectedFile(OpenMode::Next, false, true);
            break;
        case VK_DELETE:
            DeleteSelectedFile();
            break;
        default:
            break;
    }
    return 0;
}

LRESULT FilePaneNotification(NMHDR* header)
{
    const bool focus = Main().mode == ViewMode::Edit;
    switch (header->code) {
        case NM_CLICK:
            if (!PanesQuiet()) OpenSelectedFile(OpenMode::Open, focus, true);
            return 0;
        case NM_DBLCLK:
            OpenSelectedFile(OpenMode::Activate, focus, true);
            return 0;
        case LVN_KEYDOWN:
            return FilePaneKey(header);
        case LVN_GETDISPINFOA:
            FilePaneDisplayInfo(reinterpret_cast<NMLVDISPINFOA*>(header));
            return 0;
        case LVN_ODFINDITEMA: {
            auto* find = reinterpret_cast<NMLVFINDITEMA*>(header);
            if (!(find->lvfi.flags & (LVFI_STRING | LVFI_PARTIAL)) || !find->lvfi.psz) return -1;
            return FindFileItem(find->lvfi.psz, find->iStart, (find->lvfi.flags & LVFI_PARTIAL) != 0);
        }
        case LVN_BEGINDRAG:
            BeginFileDrag();
            return 0;
        case LVN_BEGINLABELEDITA:
            return LabelEditStarted(header);
        case LVN_ENDLABELEDITA:
            return LabelEditEnded(header, CMD_RENAME_FILE_DONE);
        default:
            return 0;
    }
}

}  // namespace

LRESULT RouteNotification(NMHDR* header)
{
    if (!header) return 0;
    if (header->code == TTN_GETDISPINFOA) return ToolbarTooltipText(header);
    const Panes& p = Main().panes;
    if (header->hwndFrom == p.folders) return FolderPaneNotification(header);
    if (header->hwndFrom == p.files) return FilePaneNotification(header);
    if (header->hwndFrom == p.sheet) return SheetNotification(header);
    return 0;
}

}  // namespace pw
