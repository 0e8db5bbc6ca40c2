// The back stack and the place slots: Back, the recent notes at the end of the File menu, and the commands
// 6001 to 6014 that open a slot (recent notes, perpetual notes, the help place).
#pragma once

#include "library/history.h"
#include "library/place.h"

namespace pw {

// Called whenever a file is left for another one.
void PushPlace(const PlaceRecord& place);
// Called by close document and by the open routine.
void RecordRecent(const PlaceRecord& place);
// Leaves the current place: pushes it on the back stack when asked, then saves what needs saving.
void LeavePlace(bool push);
// One step back in the history; nothing happens when the stack is empty.
void GoBack();
// Commands 6001 to 6014: open the place in slot id - 6001.
void OpenSlot(int id);
// Slot 0 to 13; the perpetual notes and the help place are filled by their owners.
PlaceRecord& PlaceSlot(int index);
const BackStack& BackEntries();

}  // namespace pw
