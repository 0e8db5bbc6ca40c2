// Loading a note into the editor, the modified flag with its "*" in the title, and closing the document.
// Saving lives in note_save.cpp, the autosave count in autosave.cpp, the check for changes made by other
// programs in external_change.cpp.
#include "notes/win/document.h"

#include <windows.h>
#include <commctrl.h>

#include "library/viewers.h"
#include "notes/note_text.h"
#include "notes/win/document_state.h"
#include "notes/win/notes_state.h"
#include "settings/limits.h"
#include "settings/win/messages.h"
#include "settings/win/safe_file.h"
#include "settings/win/settings_win.h"

namespace pw {
namespace {

const NotePanes& Panes()
{
    return NotesArea().panes;
}

DocumentHost& Host()
{
    return *NotesArea().host;
}

void SetEditorsReadOnly(bool readOnly)
{
    for (HWND editor : {Panes().editNoWrap, Panes().editWrap}) {
        if (editor) SendMessageA(editor, EM_SETREADONLY, readOnly, 0);
    }
}

void SetEditorsLimit(std::size_t characters)
{
    for (HWND editor : {Panes().editNoWrap, Panes().editWrap}) {
        if (editor) SendMessageA(editor, EM_SETLIMITTEXT, characters, 0);
    }
}

bool EditorHoldsWhole(const std::string& text)
{
    return static_cast<std::size_t>(GetWindowTextLengthA(ActiveEditor())) == text.size();
}

// The editor that is not active.
HWND OtherEditor()
{
    const NotePanes& p = Panes();
    return ActiveEditor() == p.editWrap ? p.editNoWrap : p.editWrap;
}

void ShowActiveEditor(bool focus)
{
    HWND editor = ActiveEditor();
    if (HWND other = OtherEditor()) ShowWindow(other, SW_HIDE);
    ShowWindow(editor, SW_SHOW);
    EnableWindow(editor, TRUE);
    if (focus) SetFocus(editor);
}

void ReportReadOnly(const std::string& name, bool heldNul)
{
    if (heldNul) {
        StatusMessage("%s holds NUL bytes: opened read-only so saving cannot cut it short", name.c_str());
    } else {
        StatusMessage("%s is longer than 64,000 characters: opened read-only so saving cannot cut it short",
                      name.c_str());
    }
}

}  // namespace

HWND ActiveEditor()
{
    const NotePanes& p = Panes();
    return NotesArea().wordWrap ? p.editWrap : p.editNoWrap;
}

void LeaveTextViewer()
{
    KeepUnsavedEdits();  // whoever empties the editor, no edit goes with it
    for (HWND editor : {Panes().editNoWrap, Panes().editWrap}) {
        SetWindowTextA(editor, "");
        EnableWindow(editor, FALSE);
    }
    if (HWND other = OtherEditor()) ShowWindow(other, SW_HIDE);
}

void HideEditors()
{
    ShowWindow(Panes().editNoWrap, SW_HIDE);
    ShowWindow(Panes().editWrap, SW_HIDE);
}

void PutEditorText(const std::string& text)
{
    NotesArea().puttingText = true;
    SetWindowTextA(ActiveEditor(), text.c_str());
    NotesArea().puttingText = false;
}

std::string EditorText()
{
    HWND editor = ActiveEditor();
    SendMessageA(editor, EM_FMTLINES, FALSE, 0);
    const int length = GetWindowTextLengthA(editor);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const int got = GetWindowTextA(editor, text.data(), length + 1);
    text.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
    return text;
}

void ClearCounts()
{
    NotesArea().counters.wordsCounted = false;  // the next release counts at once
    HWND bar = Panes().statusBar;
    if (!bar) return;
    for (int field : {1, 2}) SendMessageA(bar, SB_SETTEXTA, field, reinterpret_cast<LPARAM>(""));
}

void TakeLoadedBytes(const std::string& path, const std::string& bytes)
{
    DocumentState& doc = Doc();
    const LoadedNote note = ConvertLoadedBytes(bytes, Settings().GetBoolDefaultTrue("CheckForBOM"),
                                               Settings().GetBoolDefaultTrue("FormatNewLines"));
    doc.path = path;
    doc.text = note.text;
    doc.missingReported = false;
    // The typing limit does not bind text that is set whole. A note longer than the limit opens whole, and
    // the limit moves past its end by the usual room, so that it can be edited and saved without a cut.
    SetEditorsLimit(note.text.size() > kEditorLimit ? note.text.size() + kEditorLimit : kEditorLimit);
    PutEditorText(note.text);
    // The editor cannot hold a zero byte, nor more than the control takes: saving such a text would cut it.
    doc.readOnly = note.heldNulBytes || !EditorHoldsWhole(note.text);
    SetEditorsReadOnly(doc.readOnly);
    RememberStamp(path, bytes);
    SetTitle(FileNameOf(path));
    SetModified(false);
    if (doc.readOnly) ReportReadOnly(FileNameOf(path), note.heldNulBytes);
}

bool LoadDocument(bool focus)
{
    SetWindowTextA(Panes().multibar, "");
    // Whoever leaves a note saves it first; if that failed, its text must not vanish with the new load.
    if (Doc().modified) RescueUnsavedText();
    Doc() = DocumentState{};
    SetEditorsReadOnly(false);
    Host().RemoveViewerMenu();
    SetModified(false);
    ClearCounts();

    const std::string path = OpenFilePath(Host().CurrentPlace());
    if (path.empty()) return false;
    if (!PathExists(path)) {
        StatusMessage("File does not exist: %s", path.c_str());
        return false;
    }
    DWORD error = 0;
    const std::optional<std::string> bytes = ReadWholeFile(path, &error);
    if (!bytes) {
        StatusMessage("%s could not be read: %s", path.c_str(), ErrorText(error).c_str());
        return false;
    }
    TakeLoadedBytes(path, *bytes);
    ShowActiveEditor(focus);
    Host().ShowViewerMenu(kTextViewer);
    return true;
}

bool KeepUnsavedEdits()
{
    if (Host().CurrentViewer() != kTextViewer || !Doc().modified) return false;
    if (SaveIfModified() || !Doc().modified) return false;
    return RescueUnsavedText();
}

bool CloseDocument()
{
    PlaceRecord& place = Host().CurrentPlace();
    const bool hadDocument = !place.file.empty() || IsWindowEnabled(ActiveEditor());
    // A note that could not be saved keeps its text beside it; that message must stay on screen.
    const bool kept = KeepUnsavedEdits();
    if (place.inUse && IsWindowEnabled(ActiveEditor())) {
        Doc() = DocumentState{};
        EnableWindow(ActiveEditor(), FALSE);
        Host().RemoveViewerMenu();
        SetModified(false);
    }
    Host().ForgetOpenFile();
    Doc() = DocumentState{};
    SetEditorsReadOnly(false);
    SetModified(false);
    SetTitle("");
    if (hadDocument && !kept) StatusText("");
    ClearCounts();
    return kept;
}

void SaveBeforeExit()
{
    // The spreadsheet saves itself when it is left; only the note is ours to save here.
    KeepUnsavedEdits();
}

bool NoteModified()
{
    return Doc().modified;
}

bool DocumentReadOnly()
{
    return Doc().readOnly;
}

const std::string& DocumentText()
{
    return Doc().text;
}

void SetTitle(const std::string& fileName)
{
    NotesArea().titleName = fileName;
    HWND main = Panes().mainWindow;
    if (!main) return;
    std::string title = fileName.empty() ? std::string("Pagewick") : fileName;
    if (!fileName.empty() && Doc().modified) title += "*";
    SetWindowTextA(main, title.c_str());
}

void SetModified(bool modified)
{
    Doc().modified = modified;
    SetTitle(NotesArea().titleName);
}

void OnEditorChanged()
{
    if (NotesArea().puttingText || !IsWindowEnabled(ActiveEditor())) return;
    HideMessageLine();
    if (!Doc().modified) SetModified(true);
}

}  // namespace pw
