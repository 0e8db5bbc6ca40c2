// Back and the place slots. Both restore a place whole: the document is closed first (while the current root
// still names its file, so that a save never reaches another file), then the root, the folder pane's folder
// and selection, the file pane and the file follow the stored record.
#include "library/win/history.h"

#include <windows.h>

#include "library/win/file_pane.h"
#include "library/win/folder_pane.h"
#include "library/win/library_state.h"
#include "library/win/recent_menu.h"
#include "library/win/root_list.h"
#include "notes/win/document.h"
#include "settings/win/messages.h"
#include "settings/win/settings_win.h"

namespace pw {
namespace {

HistoryState& History()
{
    return LibraryArea().history;
}

bool LogBack()
{
    return Settings().GetBoolDefaultFalse("LogBack");
}

// Makes the root current with the stored record as its state, and shows the record's folder selection.
void RestorePlace(int root, const PlaceRecord& place, bool listFolders, bool withMessage)
{
    RootTable& table = Roots();
    const bool aliasChanged = !EqualsNoCase(CurrentPlace().alias, table.roots[root].alias);
    table.current = root;
    table.roots[root] = place;
    table.roots[root].inUse = 1;
    if (aliasChanged || withMessage) FillRootList();
    if (listFolders) ListFolders(withMessage);
    RestoreFolderSelection(place.selectedFolder, withMessage);
}

void OpenRestoredFile(const std::string& name, bool focus)
{
    if (!SelectFileByName(name)) {
        StatusMessage("File does not exist: %s", name.c_str());
        return;
    }
    OpenSelectedFile(OpenMode::Open, focus, false);
}

}  // namespace

PlaceRecord& PlaceSlot(int index)
{
    return History().slots.at(static_cast<std::size_t>(index));
}

const BackStack& BackEntries()
{
    return History().back;
}

void LeavePlace(bool push)
{
    const PlaceRecord& place = CurrentPlace();
    if (push && place.inUse && !place.file.empty()) PushPlace(place);
    // The spreadsheet saves itself when it is left; only the note is ours to save here.
    KeepUnsavedEdits();
}

void PushPlace(const PlaceRecord& place)
{
    const BackStack::PushResult result = History().back.Push(place);
    if (result != BackStack::PushResult::Ignored && LogBack())
        Log("%s", PushLogText(place, result == BackStack::PushResult::AlreadyNewest).c_str());
}

void RecordRecent(const PlaceRecord& place)
{
    HistoryState& history = History();
    if (!RecordRecentPlace(history.slots, history.lastRecorded, place)) return;
    ShowRecentNotes(LibraryArea().panes.mainWindow, RecentMenuItems(history.slots));
}

void GoBack()
{
    PlaceRecord entry;
    if (!History().back.Pop(entry)) return;
    if (LogBack()) Log("%s", PopLogText(entry).c_str());
    const int root = FindRootByName(Roots(), entry.rootPath);
    if (root < 0) {
        StatusMessage("Root not found: %s", entry.rootPath.c_str());
        return;
    }
    CloseDocument();
    const PlaceRecord& current = CurrentPlace();
    const bool listFolders =
        !EqualsNoCase(entry.rootPath, current.rootPath) || !EqualsNoCase(entry.folderPath, current.folderPath);
    // Going back lists quietly: no "Folders in" or "Files in" message.
    RestorePlace(root, entry, listFolders, false);
    OpenRestoredFile(entry.file, false);
}

void OpenSlot(int id)
{
    if (id < kFirstSlotCommand || id > kLastSlotCommand) return;
    const PlaceRecord slot = PlaceSlot(id - kFirstSlotCommand);
    if (slot.file.empty()) return;
    const int root = FindRootByName(Roots(), slot.rootPath);
    if (root < 0) {
        StatusMessage("Root not found: %s", slot.rootPath.c_str());
        return;
    }
    // The place left goes on the back stack before the document is closed, while it still names its file.
    const PlaceRecord& current = CurrentPlace();
    if (current.inUse && !current.file.empty()) PushPlace(current);
    CloseDocument();
    RestorePlace(root, slot, true, true);
    OpenRestoredFile(slot.file, LibraryArea().host->Mode() == ViewMode::Edit);
}

}  // namespace pw
