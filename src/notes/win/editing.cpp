#include "notes/win/editing.h"

#include <windows.h>

#include "settings/win/settings_win.h"
#include "shell/ids.h"
#include "shell/win/main_window.h"

namespace pw {
namespace {

void CheckTools(int id, bool on)
{
    CheckMenuItem(GetMenu(Main().hwnd), id, MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED));
}

}  // namespace

void ToggleWordWrap()
{
    const bool on = !Settings().GetBoolDefaultTrue("WordWrap");
    Settings().SetGeneral("WordWrap", on ? "1" : "0");
    CheckTools(CMD_WORDWRAP, on);
}

void ToggleFormatNewLines()
{
    const bool on = !Settings().GetBoolDefaultTrue("FormatNewLines");
    Settings().SetGeneral("FormatNewLines", on ? "1" : "0");
    CheckTools(CMD_FORMAT_NEWLINES, on);
}

// Markup insertion, counts and the associated program arrive with the editing commands.
void InsertMarkupRule(int) {}
void ShowWordCount() {}
void ShowCharacterCount() {}
void LaunchAssociated() {}

}  // namespace pw
