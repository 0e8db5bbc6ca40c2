// "Apply settings": run once at start-up and again after the Configure dialog's OK.
#include <windows.h>

#include <string>

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
    for (int i = 0; i < 3; ++i) {
        const std::string value = Settings().GetString("PerpetualNote" + std::to_string(i + 1), "");
        EnablePerpetualButton(CMD_PERPETUAL1 + i, !value.empty());
    }
}

}  // namespace

void ApplySettings()
{
    BuildRootsFromSettings();
    RestartAutosaveTimer();
    EnablePerpetualButtons();
    // The editors no longer use a font it replaces.
    if (HFONT font = ApplyNoteFont()) Main().noteFont.reset(font);
    SetFirstButtons(false);
}

}  // namespace pw
