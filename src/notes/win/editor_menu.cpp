#include "notes/win/editor_menu.h"

#include "notes/win/clipboard_text.h"
#include "notes/win/document.h"
#include "notes/win/editing.h"
#include "notes/win/editor_edit.h"
#include "notes/win/markup_command.h"
#include "notes/win/notes_state.h"
#include "settings/win/messages.h"
#include "shell/ids.h"

namespace pw {
namespace {

// When an item of the menu is enabled.
enum class When { Always, Selection, ClipboardText, ClipboardBitmap, FirstLine, ClipboardTextAndSelection };

struct MenuRow {
    UINT id;  // 0: a separator
    const char* text;
    When when;
    const char* disabledText;  // when the item reads differently while disabled
};

constexpr MenuRow kRows[] = {
    {CMD_EDIT_UNDO, "    Undo   ", When::Always, nullptr},
    {0, nullptr, When::Always, nullptr},
    {CMD_EDIT_CUT, "    Cut   ", When::Selection, nullptr},
    {CMD_EDIT_COPY, "    Copy   ", When::Selection, nullptr},
    {CMD_EDIT_PASTE_TEXT, "    Paste Text  ", When::ClipboardText, nullptr},
    {CMD_EDIT_PASTE_IMAGE, "    Paste Image ", When::ClipboardBitmap, "    Paste Image  "},
    {CMD_EDIT_SELECT_ALL, "    Select All   ", When::FirstLine, nullptr},
    {CMD_EDIT_LAUNCH, "    Launch Associated  ", When::Selection, nullptr},
    {0, nullptr, When::Always, nullptr},
    {CMD_MARKUP_PAGE_LINK, "    Make selection a page link\t   [ ipsum ] ", When::Selection, nullptr},
    {0, nullptr, When::Always, nullptr},
    {CMD_MARKUP_STRIKE, "    Strike out selection\t   ~~ipsum~~  ", When::Selection, nullptr},
    {CMD_MARKUP_BOLD, "    Make selection bold\t   **ipsum**  ", When::Selection, nullptr},
    {CMD_MARKUP_ITALICS, "    Make selection italics\t   *ipsum*  ", When::Selection, nullptr},
    {0, nullptr, When::Always, nullptr},
    {CMD_MARKUP_HEADER, "    Insert header\t   =====  ", When::Always, nullptr},
    {CMD_MARKUP_SUBHEADER, "    Insert subheader\t   ------------  ", When::Always, nullptr},
    {CMD_MARKUP_LINE, "    Insert line\t   * * *  ", When::Always, nullptr},
    {0, nullptr, When::Always, nullptr},
    {CMD_MARKUP_WEB_LINK, "    Make a web link\t   [ ipsum ](ipsum.com)   ", When::ClipboardTextAndSelection, nullptr},
};

struct EditorState {
    bool selection = false;
    bool clipboardText = false;
    bool clipboardBitmap = false;
    bool firstLine = false;
};

EditorState ReadState(HWND editor)
{
    EditorState s;
    const TextSpan selection = EditorSelection(editor);
    s.selection = selection.end > selection.start;
    s.clipboardText = ClipboardHoldsText();
    s.clipboardBitmap = ClipboardHoldsBitmap();
    s.firstLine = SendMessageA(editor, EM_LINELENGTH, 0, 0) > 0;
    return s;
}

bool Enabled(When when, const EditorState& s)
{
    switch (when) {
        case When::Always:
            return true;
        case When::Selection:
            return s.selection;
        case When::ClipboardText:
            return s.clipboardText;
        case When::ClipboardBitmap:
            return s.clipboardBitmap;
        case When::FirstLine:
            return s.firstLine;
        case When::ClipboardTextAndSelection:
            return s.clipboardText && s.selection;
    }
    return false;
}

// Undo and Cut change the text: the note is marked modified even when the editor's own change notice is late.
void ChangeWith(UINT message)
{
    HWND editor = ActiveEditor();
    if (!EditorTakesChanges(editor)) return;
    if (message == EM_UNDO && !SendMessageA(editor, EM_CANUNDO, 0, 0)) return;
    SendMessageA(editor, message, 0, 0);
    SetModified(true);
}

}  // namespace

HMENU BuildEditorMenu()
{
    const EditorState state = ReadState(ActiveEditor());
    HMENU menu = CreatePopupMenu();
    for (const MenuRow& row : kRows) {
        if (row.id == 0) {
            AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        const bool enabled = Enabled(row.when, state);
        const char* text = (!enabled && row.disabledText) ? row.disabledText : row.text;
        AppendMenuA(menu, MF_STRING | (enabled ? MF_ENABLED : MF_GRAYED), row.id, text);
    }
    return menu;
}

void ShowEditorMenu(POINT screen)
{
    HMENU menu = BuildEditorMenu();
    const int id = TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY, screen.x,
                                  screen.y, 0, NotesArea().panes.mainWindow, nullptr);
    DestroyMenu(menu);
    if (id) RunEditorCommand(id);
}

void RunEditorCommand(int id)
{
    HWND editor = ActiveEditor();
    if (!editor || !IsWindowEnabled(editor)) return;
    switch (id) {
        case CMD_EDIT_UNDO:
            ChangeWith(EM_UNDO);
            return;
        case CMD_EDIT_CUT:
            if (EditorSelection(editor).end > EditorSelection(editor).start) ChangeWith(WM_CUT);
            return;
        case CMD_EDIT_COPY:
            SendMessageA(editor, WM_COPY, 0, 0);
            return;
        case CMD_EDIT_PASTE_TEXT:
            PasteText();
            return;
        case CMD_EDIT_PASTE_IMAGE:
            NotesArea().host->PasteImageIntoNote();
            return;
        case CMD_EDIT_SELECT_ALL:
            SendMessageA(editor, EM_SETSEL, 0, -1);
            return;
        case CMD_EDIT_LAUNCH:
            LaunchAssociated();
            return;
        default:
            ApplyMarkup(id);
            return;
    }
}

}  // namespace pw
