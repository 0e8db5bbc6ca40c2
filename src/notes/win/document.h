// The open note: loading it into the editor, saving it, autosaving it and closing it.
#pragma once

namespace pw {

// Saves the note when the text viewer is current and the note has unsaved changes; true when it saved.
bool SaveIfModified();
// Leaves the current place before the program ends: a modified note is saved.
void SaveBeforeExit();
// One minute of the autosave timer: saves a modified note once the count reaches AutoSave.
void AutosaveTick();
// Minutes counted since the last autosave.
int AutosaveCount();

}  // namespace pw
