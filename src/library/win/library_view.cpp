#include "library/win/library_view.h"

#include "library/win/file_pane.h"
#include "library/win/library_state.h"
#include "notes/win/document.h"
#include "settings/win/menus.h"
#include "settings/win/settings_win.h"
#include "shell/ids.h"

namespace pw {
namespace {

constexpr char kOwnFilesItem[] = " View Pagewick files   ";

HMENU ToolsMenu()
{
    return GetSubMenu(GetMenu(LibraryArea().panes.mainWindow), 1);
}

}  // namespace

void AddOwnFilesMenuItem()
{
    if (Settings().GetBoolDefaultTrue("FwHideFiles")) return;
    HMENU tools = ToolsMenu();
    // Inserted above "Always on Top", below the mode item.
    InsertMenuA(tools, CMD_ALWAYS_ON_TOP, MF_BYCOMMAND | MF_STRING, CMD_VIEW_PW_FILES, kOwnFilesItem);
    CheckOwnMenuItem(tools, CMD_VIEW_PW_FILES, Settings().GetBoolDefaultTrue("MenuViewPWFiles"));
}

void RefreshOwnFilesMenuItem()
{
    // By position among the Tools menu's own items: the style sheet submenu reuses the same ids.
    HMENU tools = ToolsMenu();
    for (int i = GetMenuItemCount(tools) - 1; i >= 0; --i) {
        if (GetMenuItemID(tools, i) == CMD_VIEW_PW_FILES) DeleteMenu(tools, i, MF_BYPOSITION);
    }
    AddOwnFilesMenuItem();
}

void ToggleOwnFiles()
{
    const bool show = !Settings().GetBoolDefaultTrue("MenuViewPWFiles");
    Settings().SetGeneral("MenuViewPWFiles", show ? "1" : "0");
    CheckOwnMenuItem(ToolsMenu(), CMD_VIEW_PW_FILES, show);
    RelistFilesKeepingSelection(true);
}

void SetUpViewers()
{
    ExtraExtensions extras;
    extras.text = Settings().GetList("TextExtraExtensions");
    extras.web = Settings().GetList("WebExtraExtensions");
    extras.spreadsheet = Settings().GetList("SSExtraExtensions");
    extras.markdown = Settings().GetList("MarkdownExtraExtensions");
    MutableViewers() = BuildViewerTable(extras);
}

void CloseForModeChange()
{
    CloseDocument();
}

void ShowSelectedFileAgain()
{
    if (!SelectedFileName().empty())
        OpenSelectedFile(OpenMode::Open, LibraryArea().host->Mode() == ViewMode::Edit, false);
}

}  // namespace pw
