// The help note: "1_help.txt" in the help root "support\help" beside the program.
#pragma once

namespace pw {

// Makes the help root current (adding it when needed) and opens the help note in it. The shell switches to
// View mode first.
void OpenHelpNote();

}  // namespace pw
