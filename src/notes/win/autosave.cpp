// The autosave timer ticks once a minute; the count runs up to AutoSave (read at every tick, so a changed
// setting counts at once) and starts again from 0 whether or not anything was saved.
#include "library/win/library_state.h"
#include "notes/win/document.h"
#include "notes/win/document_state.h"
#include "settings/win/settings_win.h"
#include "shell/win/main_window.h"

namespace pw {
namespace {

int g_autosaveCount = 0;

}  // namespace

void AutosaveTick()
{
    if (ExternalChangeQuestionOpen()) return;  // the answer decides what is written
    ++g_autosaveCount;
    if (g_autosaveCount < Settings().GetInt("AutoSave", 2)) return;
    g_autosaveCount = 0;
    // The spreadsheet keeps its own file; only a note is saved from here.
    if (IsWindowEnabled(ActiveEditor())) SaveModifiedNote("Note autosaved", "Note not autosaved");
}

int AutosaveCount()
{
    return g_autosaveCount;
}

void ResetAutosaveCount()
{
    g_autosaveCount = 0;
}

}  // namespace pw
