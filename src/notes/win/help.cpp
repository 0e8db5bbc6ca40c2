#include "notes/win/help.h"

#include "shell/win/mode.h"

namespace pw {

void ShowHelp()
{
    if (CurrentMode() != ViewMode::View) ToggleMode(true);
}

}  // namespace pw
