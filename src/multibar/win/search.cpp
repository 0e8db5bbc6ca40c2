#include "multibar/win/search.h"

#include <vector>

#include "library/win/file_pane.h"
#include "library/win/library_state.h"
#include "library/win/list_view.h"
#include "multibar/folder_search.h"
#include "multibar/win/keyword_search.h"
#include "multibar/win/multibar_state.h"
#include "notes/win/document.h"
#include "settings/win/handles.h"
#include "settings/win/messages.h"
#include "settings/win/settings_win.h"
#include "sheet/win/sheet_search.h"

namespace pw {
namespace {

constexpr char kNotFound[] = "Search term not found";

MultibarState& State()
{
    return MultibarArea();
}

bool NameStaysInFolder(const std::string& name)
{
    return !name.empty() && name != "." && name != ".." && name.find_first_of("\\/:") == std::string::npos;
}

std::vector<std::string> ListedNames()
{
    std::vector<std::string> names;
    for (const SortKey& key : LibraryArea().files.keys) names.push_back(key.name);
    return names;
}

ExtensionList TextPaneExtensions()
{
    const ViewerInfo& text = Viewers().viewers[kTextViewer];
    ExtensionList list = text.editList;
    AddExtensions(list, text.viewList);
    return list;
}

// Opens the file list's entry as a click would.
void OpenEntry(std::size_t index)
{
    HWND files = LibraryArea().panes.files;
    list_view::Select(files, static_cast<int>(index));
    OpenSelectedFile(OpenMode::Open, true, true);
}

// The search in the file the folder search opened: the note's or the sheet's; nullopt when the pane shows
// neither.
std::optional<bool> SearchOpenFile(const std::string& term, bool continuing)
{
    switch (CurrentViewer()) {
        case kTextViewer:
            return FindInDocument(term, continuing);
        case kSpreadsheetViewer:
            return SheetCellSearch(term, continuing);
        default:
            return std::nullopt;
    }
}

}  // namespace

std::optional<std::string> ReadListedFile(const std::string& folder, const std::string& name)
{
    std::string path;
    if (!NameStaysInFolder(name) || !JoinPath(path, folder, name)) return std::nullopt;
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return std::nullopt;
    if (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) return std::nullopt;
    Handle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                            FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file.valid()) return std::nullopt;
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size) || size.QuadPart > 0x7fffffff) return std::nullopt;
    std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD got = 0;
        if (!ReadFile(file.get(), bytes.data() + done, static_cast<DWORD>(bytes.size() - done), &got, nullptr))
            return std::nullopt;
        if (got == 0) break;
        done += got;
    }
    bytes.resize(done);
    return bytes;
}

bool FindInDocument(const std::string& term, bool continuing)
{
    DocumentSearchState& search = State().document;
    const std::string file = CurrentFile();
    if (!continuing || search.file != file) search.next = 0;
    search.file = file;
    if (NoteModified()) {
        // The note's own save: safe replace, the check for another program's change, and a failure that
        // keeps the edits in the editor. Nothing is searched that the file does not hold.
        SaveIfModified();
        if (NoteModified()) return false;
        search.next = 0;
    }
    if (!term.empty()) search.term = term;
    const std::string& wanted = search.term;
    const std::string& text = DocumentText();
    if (wanted.empty()) return false;
    // A match that ended the text leaves the position at its end: the next search starts at the top again.
    if (search.next >= text.size()) {
        search.next = 0;
        return false;
    }
    const std::ptrdiff_t found = ContainsNoCase(std::string_view(text).substr(search.next), wanted, SystemUpperTable());
    if (found < 0) {
        search.next = 0;
        return false;
    }
    const std::size_t at = search.next + static_cast<std::size_t>(found);
    HWND editor = ActiveEditor();
    SetFocus(editor);
    SendMessageA(editor, EM_SETSEL, at, at + wanted.size());
    SendMessageA(editor, EM_SCROLLCARET, 0, 0);
    search.next = at + wanted.size();
    return true;
}

void FindInFolder(const std::string& term, bool restart, bool continuing)
{
    FolderSearchState& search = State().folder;
    const std::string folder = FileDirectory(CurrentPlace());
    bool nameHit = false;
    bool inOpenFile = false;
    if (folder != search.folder || restart) {
        search.folder = folder;
        search.next = 0;
        search.ended = false;
        continuing = false;
    } else if (search.ended) {
        // Searching the open file again would find its first match once more and start a round that
        // never ends: past the last hit there is nothing, until a new search.
        StatusMessage("%s", kNotFound);
        return;
    } else if (continuing) {
        inOpenFile = true;
    }
    FolderSearchRules rules;
    rules.term = term;
    rules.checkFilename = Settings().GetBoolDefaultTrue("DirectorySearchCheckFilename");
    rules.textExtensions = TextPaneExtensions();
    rules.upper = &SystemUpperTable();
    auto read = [&](const std::string& name) { return ReadListedFile(folder, name); };
    for (;;) {
        if (!inOpenFile) {
            const std::vector<std::string> names = ListedNames();
            const std::optional<FolderHit> hit = NextFolderHit(names, search.next, rules, read);
            if (!hit) {
                search.next = names.size();
                search.ended = true;
                StatusMessage("%s", kNotFound);
                return;
            }
            search.next = hit->index + 1;
            nameHit = hit->nameHit;
            OpenEntry(hit->index);
        }
        inOpenFile = false;
        const std::optional<bool> found = SearchOpenFile(term, continuing);
        if (found.value_or(false) || nameHit) return;
        if (!found && !continuing) return;
        continuing = false;
        nameHit = false;
    }
}

void FindNext()
{
    MultibarState& state = State();
    const std::string text = MultibarText();
    if (!text.empty()) state.term = FindNextTerm(text);
    switch (state.mode) {
        case SearchMode::Folder:
            if (state.host->Mode() == ViewMode::View) state.host->SwitchToEditMode();
            FindInFolder(state.term, false, true);
            break;
        case SearchMode::Keyword:
            FindKeyword(state.term, false);
            break;
        case SearchMode::Document: {
            const std::optional<bool> found = SearchOpenFile(state.term, true);
            if (found && !*found) StatusMessage("%s", kNotFound);
            break;
        }
        default:
            break;
    }
}

}  // namespace pw
