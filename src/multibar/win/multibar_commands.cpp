// Running a Multibar line: the interpreter decides what the line asks for, and each action is handed to its
// owner (browser pane, searches, keywords, the file list, new notes and spreadsheets).
#include "multibar/win/multibar_commands.h"

#include "library/win/file_pane.h"
#include "library/win/history.h"
#include "library/win/library_state.h"
#include "library/win/list_view.h"
#include "library/win/new_note.h"
#include "multibar/win/keyword_search.h"
#include "multibar/win/keywords_dialog.h"
#include "multibar/win/multibar_state.h"
#include "multibar/win/search.h"
#include "notes/note_text.h"
#include "notes/win/document.h"
#include "render/win/web_view.h"
#include "settings/win/messages.h"
#include "settings/win/safe_file.h"
#include "settings/win/settings_win.h"
#include "sheet/win/new_sheet.h"
#include "sheet/win/sheet_document.h"
#include "sheet/win/sheet_search.h"
#include "shell/ids.h"

namespace pw {
namespace {

MultibarState& State()
{
    return MultibarArea();
}

ShownPane PaneShown()
{
    switch (CurrentViewer()) {
        case kWebViewer:
            return ShownPane::Web;
        case kSpreadsheetViewer:
            return ShownPane::Sheet;
        default:
            return ShownPane::Text;
    }
}

// As when another file is opened: the place goes on the back stack and the note is closed (saved first).
void PutNoteAway()
{
    const PlaceRecord& place = CurrentPlace();
    if (place.inUse && !place.file.empty()) PushPlace(place);
    CloseDocument();
}

void BrowseLine(const std::string& text)
{
    PutNoteAway();
    SetMultibarText("");
    list_view::ClearSelection(LibraryArea().panes.files);
    SwitchViewer(kWebViewer);
    HideEditors();
    LibraryArea().host->Relayout();
    BrowseTo(text);
}

// The first entry of the file list with this name (case ignored); -1 when none.
int ListedEntry(const std::string& name)
{
    const std::vector<SortKey>& keys = LibraryArea().files.keys;
    for (std::size_t i = 0; i < keys.size(); ++i)
        if (EqualsNoCase(keys[i].name, name)) return static_cast<int>(i);
    return -1;
}

void OpenEntry(int index)
{
    list_view::Select(LibraryArea().panes.files, index);
    OpenSelectedFile(OpenMode::Open, true, true);
}

void CreateSheetNamed(const std::string& name)
{
    if (State().host->Mode() == ViewMode::View) State().host->SwitchToEditMode();
    const std::optional<std::string> made = WriteNewSheetFile(FileDirectory(CurrentPlace()), name);
    if (!made) return;
    SetMultibarText("");
    AddFileItem(*made);
    // A new sheet opens with the comma, no title row and sortable columns, its first cell under the cursor.
    OpenNextSheetAsNew();
    SelectAndOpenFile(*made);
}

// A note named from the Multibar, as Save names an unsaved one; created at once and opened for typing.
void CreateNoteNamed(const std::string& text)
{
    PlaceRecord& place = CurrentPlace();
    if (IsNewUnsavedMarker(place.file)) {
        // The text typed so far is kept: the unsaved note takes the name.
        SaveDocument();
        return;
    }
    PutNoteAway();
    const std::optional<std::string> name = NameForUnsavedNote(text, NoteExtension(place));
    if (!name) {
        StatusMessage("Please choose a note name");
        return;
    }
    std::string path;
    if (!JoinPath(path, FileDirectory(place), *name) || PathExists(path)) {
        StatusMessage("File exists");
        return;
    }
    place.file = *name;
    CreateAndOpenCurrentFile();
}

void OpenOrCreate(const std::string& text)
{
    int entry = ListedEntry(text);
    if (entry < 0) entry = ListedEntry(text + NoteExtension(CurrentPlace()));
    if (entry >= 0) {
        OpenEntry(entry);
        return;
    }
    if (!CurrentPlace().inUse) return;
    if (EndsWithNoCase(text, ".csv")) {
        PutNoteAway();
        CreateSheetNamed(text);
        return;
    }
    CreateNoteNamed(text);
}

}  // namespace

void RunMultibar(bool webAllowed)
{
    const std::string text = MultibarText();
    const MultibarRun run = InterpretMultibarLine(text, webAllowed, PaneShown());
    MultibarState& state = State();
    if (run.mode != SearchMode::Unchanged) state.mode = run.mode;
    switch (run.action) {
        case MultibarAction::Nothing:
            if (run.mode == SearchMode::Document) state.term = run.argument;
            break;
        case MultibarAction::Browse:
            BrowseLine(text);
            break;
        case MultibarAction::FolderSearch:
            state.term = run.argument;
            if (state.host->Mode() == ViewMode::View) state.host->SwitchToEditMode();
            FindInFolder(state.term, true, false);
            break;
        case MultibarAction::KeywordSearch:
            state.term = run.argument;
            FindKeyword(state.term, true);
            break;
        case MultibarAction::DocumentSearch:
            state.term = run.argument;
            FindInDocument(state.term, false);
            break;
        case MultibarAction::CellSearch:
            state.term = run.argument;
            SheetCellSearch(state.term, false);
            break;
        case MultibarAction::AddKeyword:
            AddKeywordFromMultibar(text);
            break;
        case MultibarAction::Name:
            OpenOrCreate(run.argument);
            break;
    }
}

void RunMultibarLine()
{
    RunMultibar(true);
}

void RunMultibarSecondWay()
{
    RunMultibar(false);
}

void BrowseTo(const std::string& text)
{
    const bool search = text.compare(0, 3, "???") == 0;
    const std::string searchString =
        Settings().GetString("BrowserSearchString", std::string(kDefaultBrowserSearchString));
    BrowseAddress(search ? WebSearchUrl(text, searchString) : text);
}

void ShowKeywords(int command)
{
    std::string path;
    if (command == CMD_FILE_KEYWORDS) {
        const std::string name = SelectedFileName();
        if (name.empty() || !JoinPath(path, FileDirectory(CurrentPlace()), name)) return;
    } else {
        path = CurrentFile();
    }
    if (!path.empty()) KeywordsDialog(path);
}

void NewSpreadsheet(const std::string& requestedName)
{
    CreateSheetNamed(requestedName);
}

}  // namespace pw
