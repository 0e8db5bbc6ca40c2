#include "library/win/history.h"

#include "library/win/library_state.h"
#include "notes/win/document.h"
#include "settings/win/messages.h"

namespace pw {

void LeavePlace(bool push)
{
    const PlaceRecord& place = CurrentPlace();
    if (push && place.inUse && !place.file.empty()) PushPlace(place);
    // The spreadsheet saves itself when it is left; only the note is ours to save here.
    KeepUnsavedEdits();
}

// The back stack and the recent-notes menu are not built yet: places are not remembered.
void PushPlace(const PlaceRecord&) {}
void RecordRecent(const PlaceRecord&) {}
void GoBack()
{
    ReportNotAvailable("the Back stack");
}

void OpenSlot(int)
{
    ReportNotAvailable("recent notes");
}

}  // namespace pw
