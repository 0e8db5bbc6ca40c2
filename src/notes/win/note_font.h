// The note font (NoteFont, NoteFontSize) that both editors show.
#pragma once

#include <windows.h>

namespace pw {

// Creates the font named by NoteFont (face cut to 31 characters, height NoteFontSize, 0 for the system's
// choice, normal weight) and gives it to both editors; the caller owns the font. Null when NoteFont is empty
// or the font cannot be made: the editors keep the font they have.
HFONT ApplyNoteFont();

}  // namespace pw
