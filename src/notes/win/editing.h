// The editor's own commands: word wrap, markup rules, counts, handing the selection to its program.
#pragma once

namespace pw {

// Moves the note to the other editor; true when the panes must be laid out again.
bool ToggleWordWrap();
void ToggleFormatNewLines();
void InsertMarkupRule(int id);
void ShowWordCount();
void ShowCharacterCount();
void LaunchAssociated();

}  // namespace pw
