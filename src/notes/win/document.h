// The open note: loading it into the editor, saving it (safely), autosaving it, noticing when another
// program changed it, and closing it. The current root's record names the file; the document keeps the
// text as loaded, the modified flag and what the file looked like on disk when it was read or written.
#pragma once

#include <windows.h>

#include <string>

namespace pw {

// The note edit pane that matches the word-wrap setting.
HWND ActiveEditor();
// The text viewer's leave operation: a modified note is saved (or kept beside it) first, then both editors are
// emptied and disabled and the inactive one is hidden.
void LeaveTextViewer();
// Another viewer shows the file: both editors are hidden.
void HideEditors();

// Loads the current root's file into the active editor; false (with a status message) when it cannot.
bool LoadDocument(bool focus);
// The Save command: names an unsaved note from the Multibar, writes the editor text, says "Note saved".
bool SaveDocument();
// Writes the editor text under the present name and reloads the document text, without messages.
bool SaveInPlace();
// Saves when the text viewer is current and the note has unsaved changes; true when it saved.
bool SaveIfModified();
// Closes the document before any listing, root change, mode change or opening that replaces it: a modified
// note is saved, or when that fails its text is written under a free name beside it, before the editor
// is emptied. True when the text was kept under another name (the status message names it).
bool CloseDocument();
// The saving half of closing: a modified note is saved, or kept under a free name when saving fails; true
// when it was kept elsewhere (the status message names the file).
bool KeepUnsavedEdits();
// Before the program ends: a modified note is saved (or kept under a free name).
void SaveBeforeExit();

bool NoteModified();
void SetModified(bool modified);
// The title bar: the file name with "*" while modified, "Pagewick" when no file is open.
void SetTitle(const std::string& fileName);
// The active editor's text changed.
void OnEditorChanged();
// Whether the open note is read-only (it holds NUL bytes, or more than the editor takes).
bool DocumentReadOnly();
// The note's bytes as last loaded or saved (selection commands read from it after saving in place).
const std::string& DocumentText();

// One minute of the autosave timer: saves a modified note once the count reaches AutoSave.
void AutosaveTick();
// Minutes counted since the last autosave.
int AutosaveCount();
// Compares the open file with what was loaded or saved; reloads it or asks when another program changed it.
void CheckExternalChange();

}  // namespace pw
