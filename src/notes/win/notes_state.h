// The notes area's state. The main window owns one NotesState and attaches it while it lives; the note's files
// reach it through NotesArea(), and reach the main window only through DocumentHost.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "library/place.h"
#include "notes/win/document_state.h"

namespace pw {

// What the open note asks of the main window above it; the shell implements it.
class DocumentHost {
public:
    // The place whose file the note is (the current root's record), and the viewer that shows that file.
    virtual PlaceRecord& CurrentPlace() = 0;
    virtual int CurrentViewer() = 0;
    // Closing: the place forgets its file and the text viewer becomes current, leaving any other viewer.
    virtual void ForgetOpenFile() = 0;
    // The Tools menu items of a viewer (a kTextViewer/kWebViewer/... index), or none.
    virtual void ShowViewerMenu(int viewer) = 0;
    virtual void RemoveViewerMenu() = 0;
    // A note file is about to be written: the folder watch must not take our own write for another program's.
    virtual void NoteFileWriting() = 0;
    // A file written into the file directory joins the file list; selecting it is false when it is not listed.
    virtual void AddListedFile(const std::string& name) = 0;
    virtual bool SelectListedFile(const std::string& name) = 0;
    // Paste Image: the clipboard's picture is saved beside the note and linked at the caret. Saving images
    // belongs to the media area, beside this one, so the main window joins the two.
    virtual void PasteImageIntoNote() = 0;

protected:
    ~DocumentHost() = default;
};

// The panes the note uses, handed over by the main window when it makes them.
struct NotePanes {
    HWND mainWindow = nullptr;  // its caption is the note's title
    HWND editNoWrap = nullptr;
    HWND editWrap = nullptr;
    HWND multibar = nullptr;   // names an unsaved note
    HWND statusBar = nullptr;  // null without a status bar; fields 2 and 3 hold the counts
};

// The status bar's counters: which are shown (read once at start-up) and when the words were last counted.
struct CounterState {
    bool showCharCount = true;  // NoteShowCharCount: "Ch %d" in field 2
    bool showWordCount = true;  // NoteShowWordCount: "Wd %d" in field 3
    bool wordsCounted = false;  // since the note was loaded
    DWORD wordsCountedAt = 0;   // tick count of that count
};

struct NotesState {
    DocumentHost* host = nullptr;
    NotePanes panes;
    bool wordWrap = true;  // which editor is active
    DocumentState doc;
    std::string titleName;
    bool puttingText = false;  // our own SetWindowTextA must not count as an edit
    int autosaveCount = 0;     // minutes counted since the last autosave
    // True while the question about a change by another program is on screen: the box runs its own message
    // loop, and the folder watch and autosave ticks that arrive meanwhile must neither ask again nor write
    // further copies.
    bool askingAboutChange = false;
    CounterState counters;
    // Test seams: the clock of the word counter (GetTickCount), and the system's "open" verb for Launch
    // Associated (ShellExecuteA), which returns false with the system error when it fails.
    std::function<DWORD()> tickCount;
    std::function<bool(const std::string& target, DWORD& error)> openWithSystem;
    std::function<HANDLE(UINT format)> clipboardData;  // GetClipboardData
};

void AttachNotesState(NotesState* state);
NotesState& NotesArea();

}  // namespace pw
