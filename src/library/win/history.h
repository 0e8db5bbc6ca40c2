// The back stack and the recent-notes list.
#pragma once

#include "library/place.h"

namespace pw {

// Called whenever a file is left for another one.
void PushPlace(const PlaceRecord& place);
// Called by close document and by the open routine.
void RecordRecent(const PlaceRecord& place);
// Leaves the current place: pushes it on the back stack when asked, then saves what needs saving.
void LeavePlace(bool push);
// One step back in the history.
void GoBack();
// Commands 6001 to 6014: open the place in slot id - 6001.
void OpenSlot(int id);

}  // namespace pw
