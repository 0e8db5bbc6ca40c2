#include "dialogs/win/configure.h"

#include "settings/win/messages.h"

namespace pw {

void ShowConfigure()
{
    ReportNotAvailable("The Configure dialog");
}

}  // namespace pw
