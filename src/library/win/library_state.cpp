#include "library/win/library_state.h"

#include <windows.h>

#include "library/win/history.h"
#include "library/win/list_view.h"
#include "notes/win/document.h"
#include "render/win/web_view.h"
#include "sheet/win/sheet_document.h"

namespace pw {
namespace {

LibraryState* g_state = nullptr;  // the main window's, while it lives

LibraryState& State()
{
    return *g_state;
}

}  // namespace

void AttachLibraryState(LibraryState* state)
{
    g_state = state;
}

LibraryState& LibraryArea()
{
    return *g_state;
}

RootTable& Roots()
{
    return State().roots;
}

PlaceRecord& CurrentPlace()
{
    RootTable& table = State().roots;
    if (table.current < 0 || table.current >= table.count) {
        State().none = PlaceRecord{};
        return State().none;
    }
    return table.roots[table.current];
}

const ViewerTable& Viewers()
{
    return State().viewers;
}
ViewerTable& MutableViewers()
{
    return State().viewers;
}

int CurrentViewer()
{
    return State().currentViewer;
}

void SwitchViewer(int index)
{
    if (index == State().currentViewer) return;
    LeaveViewer(State().currentViewer);
    State().currentViewer = index;
}

void LeaveViewer(int index)
{
    if (index == kTextViewer) LeaveTextViewer();
    if (index == kWebViewer) BlankView();
    if (index == kSpreadsheetViewer) CloseSheet();
    State().host->SetFirstButtons(WebPageShown());
}

void ForgetOpenFile()
{
    PlaceRecord& place = CurrentPlace();
    if (list_view::Selected(State().panes.folders) == -1) place.selectedFolder.clear();
    RecordRecent(place);
    place.file.clear();
    SwitchViewer(kTextViewer);  // runs the leave operation of any other viewer
    LeaveViewer(kTextViewer);
}

std::string CurrentFile()
{
    return OpenFilePath(CurrentPlace());
}

}  // namespace pw
