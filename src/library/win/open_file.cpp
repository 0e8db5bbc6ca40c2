// The open routine: leave the current place, take the file pane's item, pick the viewer from the extension
// and the mode, then show or load the file.
#include <windows.h>
#include <shellapi.h>

#include "library/win/file_pane.h"
#include "library/win/history.h"
#include "library/win/library_state.h"
#include "library/win/list_view.h"
#include "notes/win/document.h"
#include "render/win/web_view.h"
#include "settings/win/messages.h"
#include "sheet/win/sheet_document.h"

namespace pw {
namespace {

LibraryHost& Host()
{
    return *LibraryArea().host;
}

// A file that cannot be read shows nothing; the status line says why. An open abandoned by a quit, or by a
// message that went elsewhere while the file was read, has nothing to say.
void ShowSheet()
{
    if (OpenSheet(false) == SheetLoad::Unreadable)
        StatusMessage("Cannot read spreadsheet file: %s", CurrentPlace().file.c_str());
}

// While a sheet loads, messages are handled: one of them may have switched to another viewer meanwhile.
void ShowMenuOf(int viewer)
{
    if (CurrentViewer() == viewer) Host().ShowViewerMenu(viewer);
}

void ShowInViewer(int viewer)
{
    SwitchViewer(viewer);
    if (viewer != kTextViewer) HideEditors();
    Host().Relayout();
    if (viewer == kWebViewer) {
        RenderView();
        Host().SetFirstButtons(WebPageShown());
    } else if (viewer == kSpreadsheetViewer) {
        ShowSheet();
    }
    ShowMenuOf(viewer);
}

void LoadIntoViewer(int viewer, bool focus)
{
    SwitchViewer(viewer);
    HideMessageLine();
    if (viewer != kTextViewer) {
        Host().Relayout();
        ShowSheet();
        ShowMenuOf(viewer);
        return;
    }
    LoadDocument(focus);
    Host().Relayout();
}

}  // namespace

void OpenSelectedFile(OpenMode mode, bool focus, bool push)
{
    LibraryState& library = LibraryArea();
    HWND files = library.panes.files;
    if (library.opening || !IsWindowEnabled(files)) return;
    library.opening = true;
    PlaceRecord& place = CurrentPlace();
    // The name is taken before closing: keeping an unsaved text adds a file to the list.
    const int index = OpenTargetIndex(mode, list_view::Selected(files), list_view::Count(files));
    const std::string name = index >= 0 ? list_view::Text(files, index) : std::string();
    if (push && !place.file.empty()) PushPlace(place);
    // The document is closed while the place still names its own file: a save must never reach the next one.
    const bool kept = CloseDocument();
    if (!name.empty() && place.inUse) {
        place.file = name;
        const OpenDecision decision = DecideOpen(Viewers(), mode, static_cast<int>(Host().Mode()), place.file);
        switch (decision.action) {
            case OpenAction::Show:
                ShowInViewer(decision.viewer);
                break;
            case OpenAction::LoadAsText:
                LoadIntoViewer(decision.viewer, focus);
                break;
            case OpenAction::ShellOpen:
                ShellExecuteA(library.panes.mainWindow, "open", CurrentFile().c_str(), nullptr, nullptr, SW_SHOWNORMAL);
                break;
            case OpenAction::NoViewer:
                place.file.clear();
                if (!kept) StatusMessage("%s", std::string(kNoViewerMessage).c_str());
                break;
        }
    }
    library.opening = false;
}

}  // namespace pw
