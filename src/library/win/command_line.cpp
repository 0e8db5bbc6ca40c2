#include "library/win/command_line.h"

#include "library/win/file_pane.h"
#include "library/win/folder_pane.h"
#include "library/win/library_state.h"
#include "library/win/root_list.h"
#include "notes/win/document.h"
#include "settings/limits.h"
#include "settings/text.h"
#include "settings/win/settings_win.h"

namespace pw {

void OpenCommandLineFile(const std::string& commandLine)
{
    std::string path = Cut(RemoveQuotes(TrimSpaces(commandLine)));
    if (path.empty()) return;
    std::string folder = FolderOf(path);
    ExpandPath(folder, MachinePaths());
    const int index = AddRuntimeRoot(folder, folder, "Command Line", "");
    if (index < 0) return;
    SaveIfModified();
    OpenRoot(index, true);
    FillRootList();
    if (SelectFileByName(FileNameOf(path)))
        OpenSelectedFile(OpenMode::Open, LibraryArea().host->Mode() == ViewMode::Edit, false);
}

}  // namespace pw
