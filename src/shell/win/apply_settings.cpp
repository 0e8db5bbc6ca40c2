// "Apply settings": run once at start-up and again after the Configure dialog's OK.
#include <windows.h>

#include <string>

#include "library/perpetual_notes.h"
#include "library/win/help.h"
#include "library/win/perpetual_notes.h"
#include "library/win/root_list.h"
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

void ApplyNoteFont()
{
    const std::string face = Settings().GetString("NoteFont", "");
    if (face.empty()) return;
    LOGFONTA font{};
    font.lfHeight = Settings().GetInt("NoteFontSize", 0);
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(font.lfFaceName, face.c_str(), 32);
    HFONT created = CreateFontIndirectA(&font);
    if (!created) return;
    MainWindow& main = Main();
    for (HWND editor : {main.panes.editNoWrap, main.panes.editWrap})
        SendMessageA(editor, WM_SETFONT, reinterpret_cast<WPARAM>(created), TRUE);
    main.noteFont.reset(created);  // the editors no longer use the one it replaces
}

}  // namespace

void ApplySettings()
{
    BuildRootsFromSettings();
    RestartAutosaveTimer();
    LoadPerpetualNotes();
    LoadHelpPlace();
    EnablePerpetualButtons();
    ApplyNoteFont();
    SetFirstButtons(false);
}

}  // namespace pw
