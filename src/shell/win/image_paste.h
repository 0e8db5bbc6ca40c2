// Paste Image in the note editor: the picture is saved by the media area and linked by the notes area, two
// areas side by side that only the shell above both may join.
#pragma once

#include <optional>
#include <string>

namespace pw {

// Saves the clipboard's picture into the open note's "imgs" folder (made when missing), puts the date in
// front of its name when ImagePrependDate asks for it, and inserts a link to it at the caret.
void PasteImageForNote();

// The open note's "imgs" folder, made when missing; nullopt when it cannot be.
std::optional<std::string> NoteImageFolder();

}  // namespace pw
