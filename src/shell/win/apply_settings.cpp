// "Apply settings": run once at start-up and again after the Configure dialog's OK.
#include <windows.h>

#include <string>

#include "library/perpetual_notes.h"
#include "library/win/help.h"
#include "library/win/perpetual_notes.h"
#include "library/win/root_list.h"
#include "notes/win/note_font.h"
#include "settings/win/settings_win.h"
#include "shell/ids.h"
#include "shell/win/main_window.h"
#include "shell/win/startup.h"
#include "shell/win/timers.h"
#include "shell/win/toolbar.h"

namespace pw {
namespace {

void EnablePerpetualButtons()
{
    for (int n = 1; n <= kPerpetualNoteCount; ++n)
        EnablePerpetualButton(CMD_PERPETUAL1 + n - 1, PerpetualNoteAssigned(n));
}

}  // namespace

void ApplySettings()
{
    BuildRootsFromSettings();
    RestartAutosaveTimer();
    LoadPerpetualNotes();
    LoadHelpPlace();
    EnablePerpetualButtons();
    // The editors no longer use a font it replaces.
    if (HFONT font = ApplyNoteFont()) Main().noteFont.reset(font);
    SetFirstButtons(false);
}

}  // namespace pw
