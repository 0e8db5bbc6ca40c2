#include "dialogs/win/configure.h"

namespace pw {

// The Configure dialog is not built yet.
void ShowConfigure() {}

}  // namespace pw
