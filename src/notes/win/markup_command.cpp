// A markup command saves the note in place, reads the editor's selection, plans the change with the text
// rules of notes/markup.h and replaces the selection as one undoable step, then saves in place again.
// The selection offsets index the editor's own text, which is what was just written. When saving found
// that another program had changed the file and the note was reloaded, the selection the user made no
// longer means anything in the new text: nothing happens.
#include "notes/win/markup_command.h"

#include <windows.h>

#include <string>

#include "notes/markup.h"
#include "notes/win/clipboard_text.h"
#include "notes/win/document.h"
#include "notes/win/document_state.h"
#include "notes/win/editor_edit.h"
#include "notes/win/notes_state.h"
#include "settings/win/handles.h"
#include "settings/win/messages.h"
#include "settings/win/settings_win.h"

namespace pw {
namespace {

// The editor's font, chosen into a device context of the editor while this lives.
class EditorFontDC {
public:
    explicit EditorFontDC(HWND editor) : dc_(editor)
    {
        HFONT font = reinterpret_cast<HFONT>(SendMessageA(editor, WM_GETFONT, 0, 0));
        if (dc_.get() && font) old_ = SelectObject(dc_.get(), font);
    }
    EditorFontDC(const EditorFontDC&) = delete;
    EditorFontDC& operator=(const EditorFontDC&) = delete;
    ~EditorFontDC()
    {
        if (old_) SelectObject(dc_.get(), old_);
    }
    long Width(std::string_view text) const
    {
        SIZE size{};
        if (!dc_.get() || text.empty()) return 0;
        GetTextExtentPoint32A(dc_.get(), text.data(), static_cast<int>(text.size()), &size);
        return size.cx;
    }

private:
    WindowDC dc_;
    HGDIOBJ old_ = nullptr;
};

// The web link's address; nullopt when the clipboard holds no text. False (with a status message) when the
// clipboard cannot be read.
bool WebLinkAddress(HWND editor, std::optional<std::string>& address)
{
    if (!ClipboardHoldsText()) return true;
    const ClipboardText clip =
        ReadClipboardText(NotesArea().panes.mainWindow, EditorLimit(editor), NotesArea().clipboardData);
    if (clip.tooLong) {
        StatusMessage("Web link not inserted: the clipboard text is longer than the note can hold");
        return false;
    }
    if (!clip.ok) {
        StatusMessage("%s", clip.failure.c_str());
        return false;
    }
    address = clip.text;
    return true;
}

}  // namespace

bool ApplyMarkup(int id)
{
    const std::optional<MarkupCommand> command = MarkupCommandFromId(id);
    HWND editor = ActiveEditor();
    if (!command || !editor || !IsWindowEnabled(editor)) return false;
    if (!EditorTakesChanges(editor)) return true;
    const std::string before = EditorText();
    SaveInPlace();
    const std::string text = EditorText();
    if (text != before) return true;  // reloaded: another program's text is shown now

    MarkupRequest request;
    request.command = *command;
    request.text = text;
    request.selection = EditorSelection(editor);
    std::optional<std::string> address;
    if (*command == MarkupCommand::WebLink && request.selection.end > request.selection.start) {
        if (!WebLinkAddress(editor, address)) return true;
        if (address) request.clipboardText = *address;
    }
    EditorFontDC font(editor);
    request.header.kind = HeaderBarLengthFromSetting(Settings().GetString("HeaderBarLengthType", "TextExtent"));
    request.header.fixedLength = Settings().GetInt("HeaderLenInt", kDefaultHeaderLength);
    request.header.width = [&font](std::string_view s) { return font.Width(s); };

    const MarkupEdit edit = PlanMarkup(request);
    if (!edit.handled && edit.select.end - edit.select.start >= kMarkupSelectionLimit) {
        StatusMessage("Markup takes a selection of at most %d characters", static_cast<int>(kMarkupSelectionLimit - 1));
    }
    if (!edit.replacement) return edit.handled;
    if (!FitsEditor(editor, edit.select, edit.replacement->size(), "Markup")) return true;
    SendMessageA(editor, EM_SETSEL, edit.select.start, edit.select.end);
    ReplaceSelection(editor, *edit.replacement);
    SaveInPlace();
    return true;
}

}  // namespace pw
