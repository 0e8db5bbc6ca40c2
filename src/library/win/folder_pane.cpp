#include "library/win/folder_pane.h"

#include <algorithm>

#include "library/listing.h"
#include "library/win/directory.h"
#include "library/win/file_pane.h"
#include "library/win/library_state.h"
#include "library/win/list_view.h"
#include "notes/win/document.h"
#include "settings/text.h"
#include "settings/win/messages.h"
#include "settings/win/safe_file.h"
#include "settings/win/settings_win.h"

namespace pw {
namespace {

HWND Folders()
{
    return LibraryArea().panes.folders;
}

struct FolderItem {
    std::string name;
    FolderIcon icon;
};

std::vector<FolderItem> ReadSubfolders(const std::string& folderPath)
{
    std::vector<FolderEntry> entries;
    std::vector<FolderItem> items;
    if (!ReadFolder(folderPath, entries)) return items;
    const HiddenEntryRules rules = CurrentHiddenRules();
    const bool ownHidden = OwnEntriesHidden(rules);
    for (const FolderEntry& e : entries) {
        if (!e.entry.isFolder || !IsListedEntry(e.entry, rules)) continue;
        std::string path;
        if (!JoinPath(path, folderPath, e.entry.name)) continue;
        items.push_back({e.entry.name, HasSubfolders(path, ownHidden) ? FolderIcon::HasSubfolders : FolderIcon::Plain});
    }
    std::sort(items.begin(), items.end(),
              [](const FolderItem& a, const FolderItem& b) { return lstrcmpiA(a.name.c_str(), b.name.c_str()) < 0; });
    return items;
}

// Recomputes the file folder from the folder pane's selection and lists its files.
void ListFilesOfSelection(bool withMessage = true)
{
    PlaceRecord& place = CurrentPlace();
    const int selected = list_view::Selected(Folders());
    if (selected < 0) {
        place.fileFolder.clear();
        ListFiles(withMessage);
        return;
    }
    const std::string text = list_view::Text(Folders(), selected);
    place.fileFolder.clear();
    if (!text.empty() && text != kParentEntry) {
        place.selectedFolder = text;
        std::string folder;
        if (JoinPath(folder, place.folderPath, text)) place.fileFolder = folder;
    }
    ListFiles(withMessage);
}

}  // namespace

QuietPanes::QuietPanes()
{
    ++LibraryArea().quiet;
}
QuietPanes::~QuietPanes()
{
    --LibraryArea().quiet;
}
bool PanesQuiet()
{
    return LibraryArea().quiet > 0;
}

void UpdateCaption()
{
    const PlaceRecord& place = CurrentPlace();
    const std::string text = FolderCaption(place.rootPath, place.folderPath, LibraryArea().host->ListWidth(),
                                           Settings().GetInt("TextWidthMultiple", 7));
    SetWindowTextA(LibraryArea().panes.caption, text.c_str());
}

void ListFolders(bool withMessage)
{
    UpdateCaption();
    PlaceRecord& place = CurrentPlace();
    if (!place.inUse) return;
    QuietPanes quiet;
    LibraryArea().labelEdit.newFolder = false;
    list_view::Clear(Folders());
    if (withMessage) StatusMessage("Folders in %s", place.folderPath.c_str());
    if (!IsFolder(place.folderPath)) return;
    const std::vector<FolderItem> items = ReadSubfolders(place.folderPath);
    list_view::BatchUpdate batch(Folders());
    int index = 0;
    if (ShowsParentEntry(place.rootPath, place.folderPath))
        list_view::Insert(Folders(), index++, std::string(kParentEntry), static_cast<int>(FolderIcon::Parent));
    for (const FolderItem& item : items) list_view::Insert(Folders(), index++, item.name, static_cast<int>(item.icon));
}

void OnFolderSelectionChanged()
{
    if (PanesQuiet() || !IsWindowEnabled(Folders())) return;
    CloseDocument();
    ClearFiles();
    if (list_view::Selected(Folders()) < 0) return;
    ListFilesOfSelection();
    RunIndexFileStep();
}

void RestoreFolderSelection(const std::string& selectedFolder, bool withMessage)
{
    HWND folders = Folders();
    const int index = selectedFolder.empty() ? -1 : list_view::Find(folders, selectedFolder);
    {
        QuietPanes quiet;
        list_view::ClearSelection(folders);
        if (index >= 0) list_view::Select(folders, index);
    }
    if (index < 0) CurrentPlace().selectedFolder.clear();
    ClearFiles();
    ListFilesOfSelection(withMessage);
}

void ReloadFolderSelection()
{
    CloseDocument();
    ClearFiles();
    ListFilesOfSelection();
    RunIndexFileStep();
}

void OnFolderActivated()
{
    if (!IsWindowEnabled(Folders())) return;
    CloseDocument();
    ClearFiles();
    const int selected = list_view::Selected(Folders());
    if (selected < 0) return;
    PlaceRecord& place = CurrentPlace();
    const std::string text = list_view::Text(Folders(), selected);
    if (text == kParentEntry) {
        place.folderPath = ParentWithinRoot(place.rootPath, place.folderPath);
    } else {
        std::string folder;
        if (!JoinPath(folder, place.folderPath, text)) return;
        place.folderPath = folder;
    }
    place.selectedFolder.clear();
    ListFolders(true);
    place.fileFolder.clear();
    ListFiles(true);
    RunIndexFileStep();
}

void ReturnToRootFolder()
{
    CloseDocument();
    PlaceRecord& place = CurrentPlace();
    if (!place.inUse) return;
    place.folderPath = place.rootPath;
    place.selectedFolder.clear();
    ListFolders(true);
    place.fileFolder.clear();
    ListFiles(true);
}

void RunIndexFileStep()
{
    if (!Settings().GetBoolDefaultTrue("LoadIndexFiles")) return;
    const PlaceRecord& place = CurrentPlace();
    const std::string directory = FileDirectory(place);
    const std::string name = FolderSetting(Settings(), directory, place.rootPath, "IndexFile", "_index.txt");
    std::string path;
    if (name.empty() || !JoinPath(path, directory, name) || !PathExists(path)) return;
    SelectAndOpenFile(FileNameOf(path));
}

}  // namespace pw
