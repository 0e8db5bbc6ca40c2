#include "dialogs/win/configure.h"

#include "settings/win/messages.h"

namespace pw {

void ShowConfigure()
{
    ReportNotAvailable("the Configure dialog");
}

}  // namespace pw
