// New notes: made as files at once in the current file directory, with a numbered name or the current root's
// file name, optionally filled from a "template.fw"; and the note made from dropped text.
#pragma once

#include <string>

#include "library/place.h"

namespace pw {

// The extension a new note of the place gets: the root's, else DefaultExtension (".txt").
std::string NoteExtension(const PlaceRecord& place);

// File menu New (40003) and the first toolbar button: "New Note<ext>", "New Note_1<ext>", ... is created
// and opened in the editor.
void NewNote();
// The current root's file is created when missing (from a template when one is found, else empty) and opened;
// "Could not open" when it cannot be created.
void CreateAndOpenCurrentFile();
// Writes the note from "template.fw" of the note's folder, else of the root folder, with its first date and
// time placeholders filled in; never replaces a file. True when the note exists afterwards.
bool ApplyTemplate(const std::string& notePath);
// A new numbered note holding the text (text dropped on the file pane), opened like a clicked file.
void NewNoteFromText(const std::string& text);

}  // namespace pw
