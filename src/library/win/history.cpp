#include "library/win/history.h"

namespace pw {

// The back stack and the recent-notes menu are not built yet: places are not remembered.
void PushPlace(const PlaceRecord&) {}
void RecordRecent(const PlaceRecord&) {}
void GoBack() {}
void OpenSlot(int) {}

}  // namespace pw
