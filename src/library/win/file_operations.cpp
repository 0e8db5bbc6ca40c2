#include "library/win/file_operations.h"

#include "library/win/library_state.h"
#include "settings/win/messages.h"
#include "settings/win/handles.h"
#include "settings/win/settings_win.h"
#include "shell/ids.h"

namespace pw {
namespace {

void Append(HMENU menu, UINT id, const char* text, bool enabled = true)
{
    AppendMenuA(menu, MF_STRING | (enabled ? 0 : MF_GRAYED), id, text);
}

void Separator(HMENU menu)
{
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
}

HMENU FilterMenu()
{
    HMENU menu = CreatePopupMenu();
    Append(menu, CMD_FILTER_ALL, "  All files");
    Append(menu, CMD_FILTER_TEXT, " Text files");
    Append(menu, CMD_FILTER_IMAGE, " Image files");
    Append(menu, CMD_FILTER_SHEET, " Spreadsheet files");
    Append(menu, CMD_FILTER_ZIP, " Compressed files");
    Append(menu, CMD_FILTER_WEB, " Internet files");
    return menu;
}

HMENU SortMenu()
{
    HMENU menu = CreatePopupMenu();
    Append(menu, CMD_SORT_BY_NAME, "   Sort by Name");
    Append(menu, CMD_SORT_BY_DATE, "   Sort by Date");
    return menu;
}

void Track(HMENU menu, POINT screen)
{
    TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_RIGHTBUTTON, screen.x, screen.y, 0, LibraryArea().panes.mainWindow,
                   nullptr);
}

}  // namespace

void ShowFileContextMenu(POINT screen)
{
    MenuHandle menu(CreatePopupMenu());
    HMENU m = menu.get();
    Append(m, CMD_FILE_REFRESH, "   Refresh");
    Separator(m);
    Append(m, CMD_FILE_COPY, "   Copy      ");
    Append(m, CMD_FILE_CUT, "   Cut");
    Append(m, CMD_FILE_PASTE, "   Paste", false);
    const bool bitmap = IsClipboardFormatAvailable(CF_BITMAP) || IsClipboardFormatAvailable(CF_DIB);
    Append(m, CMD_FILE_PASTE_IMAGE, bitmap ? "   Paste Image " : "   Paste Image  ", bitmap);
    Separator(m);
    Append(m, CMD_FILE_DELETE, "   Delete");
    Append(m, CMD_FILE_RENAME, "   Rename");
    Separator(m);
    AppendMenuA(m, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(FilterMenu()), "   Filter view");
    AppendMenuA(m, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(SortMenu()), "   Sort");
    Separator(m);
    Append(m, CMD_FILE_OPEN_AS_TEXT, "   Open as text  ");
    Append(m, CMD_FILE_LAUNCH, "   Launch");
    const std::string exe = Settings().GetString("ExternalProgramExe", "");
    const std::string alias = Settings().GetString("ExternalProgramAlias", "external program");
    const std::string send = "   Send to " + alias;
    Append(m, CMD_FILE_SEND_EXTERNAL, send.c_str(), !exe.empty());
    Separator(m);
    Append(m, CMD_FILE_KEYWORDS, "   Keywords  ");
    Append(m, CMD_FILE_PROPERTIES, "   Properties  ");
    Track(m, screen);
}

void ShowFolderContextMenu(POINT screen)
{
    MenuHandle menu(CreatePopupMenu());
    HMENU m = menu.get();
    Append(m, CMD_FOLDER_NEW, "   New   ");
    Separator(m);
    Append(m, CMD_FOLDER_EXPLORER, " Open in Explorer  ");
    Separator(m);
    Append(m, CMD_FOLDER_PROPERTIES, "  Properties  ");
    Track(m, screen);
}

// Creating, renaming, deleting, copying and moving files and folders are not built yet.
void FileOperation(int)
{
    ReportNotAvailable("file and folder operations");
}

void FinishRename(int)
{
    ReportNotAvailable("renaming");
}

void DeleteSelectedFile()
{
    ReportNotAvailable("deleting files");
}

void MoveFileToFolder(const std::string&, const std::string&)
{
    ReportNotAvailable("moving files");
}

}  // namespace pw
