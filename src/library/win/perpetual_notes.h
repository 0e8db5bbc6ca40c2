// The perpetual notes in place slots 10 to 12, opened by buttons and commands 6011 to 6013.
#pragma once

namespace pw {

// Start-up and after Configure, once the root table is built: fills the slots from PerpetualNote1..3; a slot
// whose value is empty or names no place is not in use.
void LoadPerpetualNotes();
// Whether perpetual note n (1 to 3) is assigned, and the name its button's tooltip shows.
bool PerpetualNoteAssigned(int n);
const char* PerpetualNoteFile(int n);
// Commands 6011 to 6013: opens the slot like a recent note; an unassigned one says how to assign it.
void OpenPerpetualNote(int id);

}  // namespace pw
