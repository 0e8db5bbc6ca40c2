// The autosave timer ticks once a minute; the count runs up to AutoSave (read at every tick, so a changed
// setting counts at once) and starts again from 0 whether or not anything was saved.
#include "notes/win/document.h"
#include "notes/win/document_state.h"
#include "notes/win/notes_state.h"
#include "settings/win/settings_win.h"

namespace pw {

void AutosaveTick()
{
    if (ExternalChangeQuestionOpen()) return;  // the answer decides what is written
    int& count = NotesArea().autosaveCount;
    ++count;
    if (count < Settings().GetInt("AutoSave", 2)) return;
    count = 0;
    // The spreadsheet keeps its own file; only a note is saved from here.
    if (IsWindowEnabled(ActiveEditor())) SaveModifiedNote("Note autosaved", "Note not autosaved");
}

int AutosaveCount()
{
    return NotesArea().autosaveCount;
}

}  // namespace pw
