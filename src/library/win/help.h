// The help place: "1_help.txt" in the help root "support\help" beside the program, place slot 13.
#pragma once

namespace pw {

// Start-up: fills slot 13 with the help folder, its alias "Help" and the file "1_help.txt".
void LoadHelpPlace();
// The Help command (the shell switches to View mode first): adds the help root once, then opens slot 13.
void OpenHelpNote();

}  // namespace pw
