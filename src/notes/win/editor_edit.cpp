#include "notes/win/editor_edit.h"

#include <algorithm>

#include "notes/win/document.h"
#include "notes/win/notes_state.h"
#include "settings/text.h"
#include "settings/win/messages.h"

namespace pw {

TextSpan EditorSelection(HWND editor)
{
    DWORD start = 0;
    DWORD end = 0;
    SendMessageA(editor, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {std::min(start, end), std::max(start, end)};
}

bool EditorTakesChanges(HWND editor)
{
    if (!editor || !IsWindowEnabled(editor)) return false;
    if (!DocumentReadOnly()) return true;
    StatusMessage("%s is open read-only: nothing was changed", NotesArea().titleName.c_str());
    return false;
}

std::size_t EditorLimit(HWND editor)
{
    return static_cast<std::size_t>(SendMessageA(editor, EM_GETLIMITTEXT, 0, 0));
}

bool FitsEditor(HWND editor, TextSpan span, std::size_t insertLength, const char* what)
{
    const std::size_t length = static_cast<std::size_t>(GetWindowTextLengthA(editor));
    const std::size_t kept = length - std::min(length, span.end - span.start);
    const std::size_t limit = EditorLimit(editor);
    if (insertLength <= limit && kept <= limit - insertLength) return true;
    StatusMessage("%s not inserted: the note holds at most %s characters", what, ThousandsText(limit).c_str());
    return false;
}

void ReplaceSelection(HWND editor, const std::string& text)
{
    SendMessageA(editor, EM_EMPTYUNDOBUFFER, 0, 0);
    SendMessageA(editor, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
}

}  // namespace pw
