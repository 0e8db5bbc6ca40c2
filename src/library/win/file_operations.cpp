#include "library/win/file_operations.h"

#include <shellapi.h>

#include <optional>

#include "library/listing.h"
#include "library/win/file_clipboard.h"
#include "library/win/file_edit.h"
#include "library/win/file_pane.h"
#include "library/win/folder_edit.h"
#include "library/win/library_state.h"
#include "library/win/list_view.h"
#include "media/win/image_files.h"
#include "notes/win/document.h"
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

std::string SelectedFilePath()
{
    const std::string name = SelectedFileName();
    std::string path;
    if (name.empty() || !CurrentPlace().inUse || !JoinPath(path, FileDirectory(CurrentPlace()), name)) return {};
    return path;
}

// The selected folder pane item's path; the parent entry stands for nothing.
std::string SelectedFolderPath()
{
    HWND folders = LibraryArea().panes.folders;
    const int index = list_view::Selected(folders);
    if (index < 0 || !CurrentPlace().inUse) return {};
    const std::string text = list_view::Text(folders, index);
    std::string path;
    if (text.empty() || text == kParentEntry || !JoinPath(path, CurrentPlace().folderPath, text)) return {};
    return path;
}

void OpenWithSystem(const std::string& path)
{
    if (path.empty()) return;
    ShellExecuteA(LibraryArea().panes.mainWindow, "open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void ShowProperties(const std::string& path)
{
    if (path.empty()) return;
    SHELLEXECUTEINFOA info{};
    info.cbSize = sizeof(info);
    info.fMask = SEE_MASK_INVOKEIDLIST;
    info.hwnd = LibraryArea().panes.mainWindow;
    info.lpVerb = "properties";
    info.lpFile = path.c_str();
    info.nShow = SW_SHOWNORMAL;
    ShellExecuteExA(&info);
}

void Launch()
{
    OpenWithSystem(SelectedFilePath());
}

void OpenInExplorer()
{
    if (CurrentPlace().inUse) OpenWithSystem(FileDirectory(CurrentPlace()));
}

void FileProperties()
{
    ShowProperties(SelectedFilePath());
}

void FolderProperties()
{
    ShowProperties(SelectedFolderPath());
}

void Copy()
{
    PutFileOnClipboard("copy");
}

void Cut()
{
    PutFileOnClipboard("move");
}

// The clipboard's picture becomes an image file of the file directory, listed, selected and shown.
void PasteImage()
{
    if (!CurrentPlace().inUse) return;
    const std::optional<std::string> name =
        PasteClipboardImage(LibraryArea().panes.mainWindow, FileDirectory(CurrentPlace()));
    if (!name) return;
    CloseDocument();
    ListFiles(false);
    SelectAndOpenFile(*name);
}

struct FileCommand {
    int id;
    void (*run)();
};

const FileCommand kFileCommands[] = {
    {CMD_FOLDER_NEW, NewFolder},
    {CMD_FOLDER_EXPLORER, OpenInExplorer},
    {CMD_FOLDER_PROPERTIES, FolderProperties},
    {CMD_FILE_PROPERTIES, FileProperties},
    {CMD_FILE_DELETE, DeleteSelectedFile},
    {CMD_FILE_RENAME, StartFileRename},
    {CMD_FILE_CUT, Cut},
    {CMD_FILE_COPY, Copy},
    {CMD_FILE_PASTE, PasteFile},
    {CMD_FILE_LAUNCH, Launch},
    {CMD_FILE_PASTE_IMAGE, PasteImage},
};

void Track(HMENU menu, POINT screen)
{
    TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_RIGHTBUTTON, screen.x, screen.y, 0, LibraryArea().panes.mainWindow,
                   nullptr);
}

}  // namespace

HMENU BuildFileContextMenu()
{
    HMENU m = CreatePopupMenu();
    Append(m, CMD_FILE_REFRESH, "   Refresh");
    Separator(m);
    Append(m, CMD_FILE_COPY, "   Copy      ");
    Append(m, CMD_FILE_CUT, "   Cut");
    Append(m, CMD_FILE_PASTE, "   Paste", !LibraryArea().clipboard.operation.empty());
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
    return m;
}

HMENU BuildFolderContextMenu()
{
    HMENU m = CreatePopupMenu();
    Append(m, CMD_FOLDER_NEW, "   New   ");
    Separator(m);
    Append(m, CMD_FOLDER_EXPLORER, " Open in Explorer  ");
    Separator(m);
    Append(m, CMD_FOLDER_PROPERTIES, "  Properties  ");
    return m;
}

void ShowFileContextMenu(POINT screen)
{
    MenuHandle menu(BuildFileContextMenu());
    Track(menu.get(), screen);
}

void ShowFolderContextMenu(POINT screen)
{
    MenuHandle menu(BuildFolderContextMenu());
    Track(menu.get(), screen);
}

void FileOperation(int id)
{
    for (const FileCommand& command : kFileCommands) {
        if (command.id == id) {
            command.run();
            return;
        }
    }
}

void BeginLabelEdit(HWND list, int index)
{
    LabelEditState& edit = LibraryArea().labelEdit;
    const bool placeholder = edit.newFolder && list == LibraryArea().panes.folders && index == 0;
    edit = LabelEditState{};
    edit.newFolder = placeholder;
    edit.oldName = list == LibraryArea().panes.files ? FileNameAt(index) : list_view::Text(list, index);
}

void EndLabelEdit(const char* text)
{
    LibraryArea().labelEdit.newName = text && *text ? text : "null";
}

void FinishRename(int id)
{
    LabelEditState edit = LibraryArea().labelEdit;
    LibraryArea().labelEdit = LabelEditState{};
    if (id == CMD_RENAME_FOLDER_DONE)
        FinishFolderRename(edit);
    else
        FinishFileRename(edit);
}

}  // namespace pw
