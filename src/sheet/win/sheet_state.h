// The spreadsheet area's state. The main window owns one SheetState and attaches it while it lives; the
// sheet's files reach it through SheetArea(), and reach the main window only through SheetHost.
#pragma once

#include <windows.h>

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "sheet/sheet_model.h"
#include "sheet/sheet_order.h"

namespace pw {

// What the open sheet asks of the main window above it; the shell implements it.
class SheetHost {
public:
    // The full path of the file the current place names ("" when none).
    virtual std::string SheetFilePath() = 0;
    virtual bool InViewMode() = 0;
    // The info file of a file and the file-info folder (the backups live there).
    virtual std::string InfoFileOf(const std::string& path) = 0;
    virtual std::string InfoFolder() = 0;
    // A link in a cell: the note of that name in the current folder (created when missing), or a web address.
    virtual void OpenNoteLink(const std::string& name) = 0;
    virtual void OpenWebLink(const std::string& address) = 0;

protected:
    ~SheetHost() = default;
};

// One line of the table view: a data row, or the header of a group while rows are grouped (the list view
// shows no groups of its own here, so the headers are lines of the list).
struct ViewLine {
    std::size_t dataRow = 0;
    int group = 0;  // the group id of a header line; 0 for a data row
};

struct SheetState {
    SheetHost* host = nullptr;
    HWND mainWindow = nullptr;
    HWND pane = nullptr;  // the table view, 210
    Sheet sheet;
    std::vector<ViewLine> lines;  // what the view shows, top to bottom
    bool opening = false;         // a file is being read and shown
    bool openAbandoned = false;   // the sheet was closed meanwhile: that open must show nothing
    bool nextOpenIsNew = false;
    // The cell cursor: a view line and a data column (1-based); line -1 when no line is current.
    int cursorLine = -1;
    int cursorColumn = 1;
    int sortColumn = -1;  // data column (1-based) last sorted by
    bool descending = false;
    std::optional<SheetGrouping> grouping;
    bool collapsed = false;
    // The cell texts of the last cut row; empty after a paste.
    std::optional<std::vector<std::string>> rowClipboard;
    POINT rightClick{};         // screen position of the last right-click
    HWND editor = nullptr;      // the dialog over the cell being edited
    HWND editorEdit = nullptr;  // its edit control
    int editLine = -1;
    int editColumn = -1;
    std::string editorShown;  // what the editor was opened with: Enter on that same text is no edit
    std::string shownText;    // the text handed to the list view for the cell it asked for last
};

void AttachSheetState(SheetState* state);
SheetState& SheetArea();

}  // namespace pw
