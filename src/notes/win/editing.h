// The editor's own commands besides markup: the Word wrap and Format newlines toggles, pasting text, handing
// the selection to its program, and inserting what drops and pasted images bring.
#pragma once

#include <string>

namespace pw {

// Tools "Wordwrap" (903): the note moves to the other editor with its text, selection and unsaved changes;
// true when the panes must be laid out again.
bool ToggleWordWrap();
// Tools "Format Newlines" (906): saves a modified note, writes the setting and loads the note again with or
// without turning bare line feeds into line ends.
void ToggleFormatNewLines();
// Paste Text (33794), Ctrl+V: the clipboard's text replaces the selection, then the note is saved in place.
void PasteText();
// Launch Associated (33796, 40009): the selected text (1 to 259 characters) goes to the system's "open" verb.
void LaunchAssociated();
// The selected text of the note shown in the text pane; "" when there is none.
std::string SelectedNoteText();
// A dropped text replaces the selection; a web address becomes a link. False when the note cannot take it.
bool InsertDroppedText(const std::string& text);
// The link to an image saved in the note's "imgs" folder replaces the selection.
bool InsertImageLink(const std::string& fileName);

}  // namespace pw
