#include "library/win/root_list.h"

#include <windows.h>

#include <vector>

#include "library/win/file_pane.h"
#include "library/win/folder_pane.h"
#include "library/win/library_state.h"
#include "notes/win/document.h"
#include "settings/win/messages.h"
#include "settings/win/safe_file.h"
#include "settings/win/settings_win.h"

namespace pw {
namespace {

HWND RootList()
{
    return LibraryArea().panes.roots;
}

std::string DefaultExtension()
{
    return Settings().GetString("DefaultExtension", ".txt");
}

RootSettings ReadRootSettings()
{
    RootSettings s;
    for (const SettingsEntry& e : Settings().EntriesOf("BasicRoots"))
        s.basicRoots.push_back({e.key, e.value, e.comment});
    s.autoAddMyDocuments = Settings().GetBoolDefaultTrue("RootAutoAddMyDocuments");
    s.autoAddAmbervale = Settings().GetBoolDefaultTrue("RootAutoAddAmbervale");
    s.autoAddCDrive = Settings().GetBoolDefaultTrue("RootAutoAddCDrive");
    s.ambervaleExists = IsFolder("c:\\ambervale");
    s.defaultExtension = DefaultExtension();
    s.lastRoot = Settings().GetString("LastRoot", "");
    return s;
}

std::string ListText()
{
    char text[MAX_PATH] = {};
    GetWindowTextA(RootList(), text, MAX_PATH);
    return text;
}

std::string SelectedItemText()
{
    const LRESULT index = SendMessageA(RootList(), CB_GETCURSEL, 0, 0);
    if (index == CB_ERR) return ListText();
    const LRESULT length = SendMessageA(RootList(), CB_GETLBTEXTLEN, index, 0);
    if (length == CB_ERR || length >= MAX_PATH) return {};
    char text[MAX_PATH] = {};
    SendMessageA(RootList(), CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text));
    return text;
}

}  // namespace

void BuildRootsFromSettings()
{
    BuiltRoots built = BuildRootTable(ReadRootSettings(), MachinePaths());
    Roots() = built.table;
    for (const std::string& message : built.messages) StatusMessage("%s", message.c_str());
    FillRootList();
    OpenRoot(Roots().current, true);
}

void FillRootList()
{
    HWND list = RootList();
    SendMessageA(list, CB_RESETCONTENT, 0, 0);
    std::vector<std::string> texts;
    const RootTable& table = Roots();
    for (int i = 0; i < table.count; ++i) {
        texts.push_back(table.roots[i].alias);
        SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(table.roots[i].alias.c_str()));
    }
    const int select = RootListSelection(texts, CurrentPlace().alias);
    SendMessageA(list, CB_SETCURSEL, select, 0);
}

void OpenRoot(int index, bool withMessage)
{
    RootTable& table = Roots();
    if (index < 0 || index >= table.count) return;
    CloseDocument();  // while the current root still names the open file
    table.current = index;
    PlaceRecord& place = table.roots[index];
    place.folderPath = place.rootPath;
    place.selectedFolder.clear();
    place.fileFolder.clear();
    ClearFiles();
    ListFolders(withMessage);
    ListFiles(withMessage);
}

int AddRuntimeRoot(const std::string& storedPath, const std::string& path, const std::string& alias,
                   const std::string& extension)
{
    const int index = AddRoot(Roots(), storedPath, path, alias, extension, DefaultExtension());
    if (index < 0) StatusMessage("Hit maximum number of roots");
    return index;
}

void SelectRootFromList(bool typed)
{
    CloseDocument();
    const std::string text = typed ? ListText() : SelectedItemText();
    if (!text.empty()) {
        int index = FindRootByName(Roots(), text);
        if (index < 0) {
            index = AddRuntimeRoot(text, text, "", "");
            if (index < 0) StatusMessage("Error adding root");
        }
        if (index >= 0) Roots().current = index;
    }
    Settings().SetGeneral("LastRoot", text);
    FillRootList();
    OpenRoot(Roots().current, true);
}

bool RootListHasFocus()
{
    return LibraryArea().rootListFocused;
}

void SetRootListFocus(bool focused)
{
    LibraryArea().rootListFocused = focused;
}

}  // namespace pw
