#include "notes/win/note_font.h"

#include <string>

#include "notes/win/notes_state.h"
#include "settings/win/settings_win.h"

namespace pw {

HFONT ApplyNoteFont()
{
    const std::string face = Settings().GetString("NoteFont", "");
    if (face.empty()) return nullptr;
    LOGFONTA font{};
    font.lfHeight = Settings().GetInt("NoteFontSize", 0);
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(font.lfFaceName, face.c_str(), LF_FACESIZE);  // at most 31 characters and the terminator
    HFONT created = CreateFontIndirectA(&font);
    if (!created) return nullptr;
    const NotePanes& panes = NotesArea().panes;
    for (HWND editor : {panes.editNoWrap, panes.editWrap}) {
        if (editor) SendMessageA(editor, WM_SETFONT, reinterpret_cast<WPARAM>(created), TRUE);
    }
    return created;
}

}  // namespace pw
