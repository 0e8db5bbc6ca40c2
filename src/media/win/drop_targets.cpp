#include "media/win/drop_targets.h"

namespace pw {

// Dropping from other programs is not built yet: nothing is registered, so nothing needs revoking.
void RegisterDropTargets() {}
void RevokeDropTargets() {}

}  // namespace pw
