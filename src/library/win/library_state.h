// The library browser's live state, owned by the main window: the root table (whose current record is the
// state of the panes and the open file), the viewer table and the current viewer, and what the panes keep
// between messages. The main window attaches its LibraryState while it lives; the library reaches the window
// above only through LibraryHost.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "library/history.h"
#include "library/listing.h"
#include "library/place.h"
#include "library/roots.h"
#include "library/viewers.h"
#include "shell/view_mode.h"

namespace pw {

// What the library asks of the main window above it; the shell implements it.
class LibraryHost {
public:
    // A viewer's pane was shown or hidden: the panes are laid out again.
    virtual void Relayout() = 0;
    // The viewer that shows the file changed: its Tools menu items, and the faces of the first two buttons.
    virtual void ShowViewerMenu(int viewer) = 0;
    virtual void SetFirstButtons(bool webPageShown) = 0;
    // The mode that, with the extension, picks the viewer.
    virtual ViewMode Mode() = 0;
    // A new note is ready for typing: Edit mode, keeping the document that is open.
    virtual void EnterEditMode() = 0;
    // The list width in use: the folder caption is shortened to it.
    virtual int ListWidth() = 0;

protected:
    ~LibraryHost() = default;
};

// The panes and cursors the library uses, handed over by the main window (which owns them) when it makes them.
struct LibraryPanes {
    HWND mainWindow = nullptr;  // menus, capture and the shell's verbs
    HWND roots = nullptr;
    HWND folders = nullptr;
    HWND files = nullptr;
    HWND caption = nullptr;
    HCURSOR dropOk = nullptr;
    HCURSOR dropNo = nullptr;
};

// The file pane is a virtual list over this model: one (name, date) pair per item, in the pane's order.
struct FileListModel {
    std::vector<SortKey> keys;
    SortState sort;
};

// A drag of a file from the file pane onto a folder of the folder pane.
struct FileDragState {
    bool active = false;
    std::string file;
    int folderSelection = -1;
    int target = -1;
    HCURSOR previousCursor = nullptr;
};

// The pending copy or move of one file, set by Copy or Cut and cleared by every paste attempt.
struct FileClipboard {
    std::string operation;     // "copy", "move", or empty when nothing is pending
    std::string sourceFolder;  // the file directory at the time of Copy or Cut
    std::string file;
    PlaceRecord place;  // the current root's record at that time
};

// An in-place edit of a folder or file pane item's text.
struct LabelEditState {
    std::string oldName;
    std::string newName;     // "null" when the edit produced no text (cancelled)
    bool newFolder = false;  // the edit names the "New Folder" placeholder, not an existing folder
};

// The folder the poll watches, and its last-write time when last seen.
struct FolderWatchState {
    std::string path;
    unsigned long long time = 0;
};

// Where the user has been in this run: the back stack and the place slots, not kept when the program ends.
struct HistoryState {
    BackStack back;
    PlaceSlots slots;
    PlaceRecord lastRecorded;  // the place most recently put into the recent notes
};

struct LibraryState {
    LibraryHost* host = nullptr;
    LibraryPanes panes;
    RootTable roots;
    ViewerTable viewers;
    int currentViewer = kTextViewer;
    PlaceRecord none;  // what CurrentPlace gives while the table is empty
    FileListModel files;
    int quiet = 0;  // QuietPanes depth: the panes' own notifications are ignored while above 0
    bool rootListFocused = false;
    bool opening = false;  // the open routine is running
    FileDragState drag;
    FileClipboard clipboard;
    LabelEditState labelEdit;
    FolderWatchState watch;
    HistoryState history;
};

void AttachLibraryState(LibraryState* state);
LibraryState& LibraryArea();

RootTable& Roots();
// The current root's record; an unused record when the table is empty.
PlaceRecord& CurrentPlace();
const ViewerTable& Viewers();
ViewerTable& MutableViewers();
int CurrentViewer();  // kTextViewer when no other viewer shows the current file
// Runs the current viewer's leave operation first when the index changes.
void SwitchViewer(int index);
// Leave operations: the editor is emptied and disabled; the browser goes blank; the sheet is closed.
void LeaveViewer(int index);
// The library's part of closing the document: the place forgets its file (and the folder selection when the
// folder pane has none), the place goes to the recent list, and the text viewer becomes current.
void ForgetOpenFile();
// The full path of the current file ("" when there is none or it does not fit).
std::string CurrentFile();

}  // namespace pw
