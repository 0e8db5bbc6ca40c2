#include "library/win/help.h"

#include "library/win/file_pane.h"
#include "library/win/library_state.h"
#include "library/win/root_list.h"
#include "notes/win/document.h"
#include "settings/text.h"
#include "settings/win/settings_win.h"

namespace pw {

// The help root is the folder "support\help" beside the program, with the alias "Help".
void OpenHelpNote()
{
    std::string folder;
    if (!JoinPath(folder, ProgramFolder(), "support\\help")) return;
    int index = FindRootByName(Roots(), "Help");
    if (index < 0) index = AddRuntimeRoot(folder, folder, "Help", ".txt");
    if (index < 0) return;
    CloseDocument();
    OpenRoot(index, true);
    FillRootList();
    SelectAndOpenFile("1_help.txt");
}

}  // namespace pw
