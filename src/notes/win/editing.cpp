#include "notes/win/editing.h"

#include <windows.h>
#include <shellapi.h>

#include <string>

#include "launch/program_args.h"
#include "library/viewers.h"
#include "notes/inserted_links.h"
#include "notes/win/clipboard_text.h"
#include "notes/win/document.h"
#include "notes/win/document_state.h"
#include "notes/win/editor_edit.h"
#include "notes/win/notes_state.h"
#include "settings/limits.h"
#include "settings/win/messages.h"
#include "settings/win/safe_file.h"
#include "settings/win/settings_win.h"

namespace pw {
namespace {

DocumentHost& Host()
{
    return *NotesArea().host;
}

bool TextViewerCurrent()
{
    return Host().CurrentViewer() == kTextViewer;
}

// Writes a boolean setting so that it counts at once. The store sees a key that the settings file did not
// hold yet only after it loads the file again; without that, a second toggle would read the old default and
// write the same value again. A file that cannot be read is not loaded, or every setting would be lost.
void WriteToggle(const char* key, bool on)
{
    SettingsStore& settings = Settings();
    if (settings.SetGeneral(key, on ? "1" : "0")) return;
    if (settings.Files().ReadFile(settings.Path())) settings.Reload();
}

bool OpenWithSystem(const std::string& target, DWORD& error)
{
    if (const auto& seam = NotesArea().openWithSystem) return seam(target, error);
    const auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteA(NotesArea().panes.mainWindow, "open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    if (result > 32) return true;
    error = GetLastError();
    if (error == 0) error = result == SE_ERR_NOASSOC ? ERROR_NO_ASSOCIATION : ERROR_FILE_NOT_FOUND;
    return false;
}

// Replaces the selection with text and marks the note modified; false when the note cannot take it.
bool InsertText(const std::string& text, const char* what)
{
    HWND editor = ActiveEditor();
    if (!EditorTakesChanges(editor)) return false;
    if (!FitsEditor(editor, EditorSelection(editor), text.size(), what)) return false;
    ReplaceSelection(editor, text);
    SetModified(true);
    return true;
}

}  // namespace

// The two editors differ only in wrapping: the text, its selection and the enabled and read-only states move
// to the other one, which then takes the first one's place. Moving the text instead of loading the file again
// keeps unsaved edits in the editor, and a failed save cannot lose them.
bool ToggleWordWrap()
{
    if (!TextViewerCurrent()) return false;
    const bool on = !NotesArea().wordWrap;
    WriteToggle("WordWrap", on);
    HWND from = ActiveEditor();
    const std::string text = EditorText();
    const TextSpan selection = EditorSelection(from);
    const bool modified = NoteModified();
    NotesArea().wordWrap = on;
    HWND to = ActiveEditor();
    Host().ShowViewerMenu(kTextViewer);  // the item's check mark follows the setting
    if (from == to) return false;
    PutEditorText(text);
    SetModified(modified);
    SendMessageA(to, EM_SETSEL, selection.start, selection.end);
    SendMessageA(to, EM_SETREADONLY, (GetWindowLongPtrA(from, GWL_STYLE) & ES_READONLY) ? TRUE : FALSE, 0);
    const bool focused = GetFocus() == from;
    EnableWindow(to, IsWindowEnabled(from));
    ShowWindow(from, SW_HIDE);
    ShowWindow(to, IsWindowEnabled(to) ? SW_SHOW : SW_HIDE);
    EnableWindow(from, FALSE);
    NotesArea().puttingText = true;
    SetWindowTextA(from, "");
    NotesArea().puttingText = false;
    if (focused) SetFocus(to);
    return true;
}

void ToggleFormatNewLines()
{
    if (!TextViewerCurrent()) return;
    // A note whose save failed keeps its text in the editor: loading the file again would drop it.
    const bool keepEditor = NoteModified() && !SaveDocument();
    WriteToggle("FormatNewLines", !Settings().GetBoolDefaultTrue("FormatNewLines"));
    const bool onDisk = !Doc().path.empty() && PathExists(Doc().path);
    if (keepEditor || !onDisk || !IsWindowEnabled(ActiveEditor())) {
        Host().ShowViewerMenu(kTextViewer);
        return;
    }
    ShowWindow(ActiveEditor(), SW_HIDE);
    LoadDocument(false);  // shows the editor again and brings the menu items back
}

void PasteText()
{
    HWND editor = ActiveEditor();
    if (!EditorTakesChanges(editor)) return;
    if (!ClipboardHoldsText()) {
        StatusMessage("No text on clipboard");
        return;
    }
    const ClipboardText clip =
        ReadClipboardText(NotesArea().panes.mainWindow, EditorLimit(editor), NotesArea().clipboardData);
    if (clip.tooLong) {
        StatusMessage("Text not pasted: the clipboard holds more than the note can hold (%s characters)",
                      ThousandsText(EditorLimit(editor)).c_str());
        return;
    }
    if (!clip.ok) {
        StatusMessage("%s", clip.failure.c_str());
        return;
    }
    if (!FitsEditor(editor, EditorSelection(editor), clip.text.size(), "Text")) return;
    ReplaceSelection(editor, clip.text);
    SetModified(true);
    SaveInPlace();
}

void LaunchAssociated()
{
    HWND editor = ActiveEditor();
    if (!TextViewerCurrent() || !editor || !IsWindowEnabled(editor)) return;
    const TextSpan selection = EditorSelection(editor);
    const std::size_t length = selection.end - selection.start;
    if (length == 0) return;
    if (!SelectionFitsLaunch(length)) {
        StatusMessage("%s", SelectionTooLongText(length).c_str());
        return;
    }
    const std::string text = EditorText();
    if (selection.end > text.size()) return;
    const std::string target = text.substr(selection.start, length);
    DWORD error = 0;
    if (!OpenWithSystem(target, error))
        StatusMessage("Could not open %s: %s", target.c_str(), ErrorText(error).c_str());
}

std::string SelectedNoteText()
{
    HWND editor = ActiveEditor();
    if (!TextViewerCurrent() || !editor || !IsWindowEnabled(editor)) return {};
    const TextSpan selection = EditorSelection(editor);
    const std::string text = EditorText();
    if (selection.end <= selection.start || selection.end > text.size()) return {};
    return text.substr(selection.start, selection.end - selection.start);
}

bool InsertDroppedText(const std::string& text)
{
    return InsertText(DroppedTextInsertion(text, Settings().GetBoolDefaultTrue("NoteDragHttpAsLink")), "Dropped text");
}

bool InsertImageLink(const std::string& fileName)
{
    if (!EditorTakesChanges(ActiveEditor())) return false;
    if (NoteModified()) SaveInPlace();
    return InsertText(ImageLinkText(fileName, Settings().GetString("NoteImageLinkType", "Markdown")), "Image link");
}

}  // namespace pw
