// What the editing commands do to the active editor: read its selection, check that a change fits, and
// replace the selection as one step that Undo takes back whole.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

#include "notes/markup.h"

namespace pw {

// The editor's selection offsets (start not after end).
TextSpan EditorSelection(HWND editor);
// Whether an editor shows an open note that the commands may change; a read-only note says so first.
bool EditorTakesChanges(HWND editor);
// Whether replacing span with insertLength characters stays within what the editor holds; when not, a status
// message says so and nothing may change.
bool FitsEditor(HWND editor, TextSpan span, std::size_t insertLength, const char* what);
// Replaces the selection with text. The undo buffer is emptied first, so that Undo takes back exactly this
// replacement, not also the typing before it.
void ReplaceSelection(HWND editor, const std::string& text);
// The most characters the editor holds.
std::size_t EditorLimit(HWND editor);

}  // namespace pw
