#include "notes/win/editing.h"

#include <windows.h>

#include <string>

#include "notes/win/document.h"
#include "notes/win/notes_state.h"
#include "settings/win/messages.h"
#include "settings/win/settings_win.h"
#include "shell/ids.h"

namespace pw {
namespace {

void CheckTools(int id, bool on)
{
    CheckMenuItem(GetMenu(NotesArea().panes.mainWindow), id, MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED));
}

}  // namespace

// The two editors differ only in wrapping: the text, its selection and the enabled and read-only states move
// to the other one, which then takes the first one's place.
bool ToggleWordWrap()
{
    const bool on = !Settings().GetBoolDefaultTrue("WordWrap");
    Settings().SetGeneral("WordWrap", on ? "1" : "0");
    CheckTools(CMD_WORDWRAP, on);
    HWND from = ActiveEditor();
    NotesArea().wordWrap = on;
    HWND to = ActiveEditor();
    if (from == to) return false;
    const int length = GetWindowTextLengthA(from);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    GetWindowTextA(from, text.data(), length + 1);
    DWORD start = 0;
    DWORD end = 0;
    SendMessageA(from, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    const bool modified = NoteModified();
    SetWindowTextA(to, text.c_str());
    SetModified(modified);
    SendMessageA(to, EM_SETSEL, start, end);
    SendMessageA(to, EM_SETREADONLY, (GetWindowLongPtrA(from, GWL_STYLE) & ES_READONLY) ? TRUE : FALSE, 0);
    EnableWindow(to, IsWindowEnabled(from));
    EnableWindow(from, FALSE);
    SetWindowTextA(from, "");
    return true;
}

void ToggleFormatNewLines()
{
    const bool on = !Settings().GetBoolDefaultTrue("FormatNewLines");
    Settings().SetGeneral("FormatNewLines", on ? "1" : "0");
    CheckTools(CMD_FORMAT_NEWLINES, on);
}

// Markup insertion, counts and the associated program arrive with the editing commands.
void InsertMarkupRule(int)
{
    ReportNotAvailable("markup insertion");
}

void ShowWordCount()
{
    ReportNotAvailable("the word count");
}

void ShowCharacterCount()
{
    ReportNotAvailable("the character count");
}

void LaunchAssociated()
{
    ReportNotAvailable("opening with the associated program");
}

}  // namespace pw
