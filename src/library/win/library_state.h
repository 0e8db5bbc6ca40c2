// The library browser's live state, owned by the main window: the root table (whose current record is the
// state of the panes and the open file), the viewer table and the current viewer.
#pragma once

#include <string>

#include "library/place.h"
#include "library/roots.h"
#include "library/viewers.h"

namespace pw {

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
// Forgets everything (tests start the window several times in one process).
void ResetLibraryState();

}  // namespace pw
