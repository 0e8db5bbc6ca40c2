#include "notes/win/new_note.h"

#include "settings/win/messages.h"

namespace pw {

// Numbered new notes with their templates and the perpetual-note buttons are not built yet.
void NewNote()
{
    ReportNotAvailable("new notes");
}

void OpenPerpetualNote(int)
{
    ReportNotAvailable("perpetual notes");
}

}  // namespace pw
