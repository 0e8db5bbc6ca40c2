// The help note: "1_help.txt" in the help root "support\help" beside the program, shown in View mode.
#pragma once

namespace pw {

void ShowHelp();

}  // namespace pw
