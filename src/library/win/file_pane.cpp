#include "library/win/file_pane.h"

#include <algorithm>
#include <vector>

#include "library/file_kinds.h"
#include "library/listing.h"
#include "library/win/directory.h"
#include "library/win/folder_pane.h"
#include "library/win/library_state.h"
#include "library/win/list_view.h"
#include "notes/win/document.h"
#include "settings/text.h"
#include "settings/win/messages.h"
#include "shell/win/main_window.h"

namespace pw {
namespace {

struct FileListState {
    std::vector<SortKey> keys;  // one (name, date) pair per item, in the pane's order
    SortState sort;
};

FileListState g_list;

HWND Files() { return Main().panes.files; }

int IconFor(const std::string& name)
{
    const ViewerTable& v = Viewers();
    return static_cast<int>(FileKindOf(name, v.viewers[kTextViewer].editList, v.viewers[kWebViewer].viewList));
}

std::vector<SortKey> ReadFiles(const std::string& directory, int filter)
{
    std::vector<FolderEntry> entries;
    std::vector<SortKey> keys;
    if (!ReadFolder(directory, entries)) return keys;
    const HiddenEntryRules rules = CurrentHiddenRules();
    const ViewerTable& v = Viewers();
    keys.reserve(entries.size());
    for (FolderEntry& e : entries) {
        if (e.entry.isFolder || !IsListedEntry(e.entry, rules)) continue;
        if (filter && !PassesFilterView(filter, e.entry.name, v.viewers[kTextViewer].editList,
                                        v.viewers[kWebViewer].viewList))
            continue;
        keys.push_back({std::move(e.entry.name), std::move(e.date)});
    }
    return keys;
}

void FillPane()
{
    QuietPanes quiet;
    HWND list = Files();
    list_view::BatchUpdate batch(list);
    list_view::Clear(list);
    ListView_SetItemCount(list, static_cast<int>(g_list.keys.size()));
    int index = 0;
    for (const SortKey& key : g_list.keys) list_view::Insert(list, index++, key.name, IconFor(key.name));
}

void SortBy(int column)
{
    RequestSort(g_list.sort, column);
    std::stable_sort(g_list.keys.begin(), g_list.keys.end(), [](const SortKey& a, const SortKey& b) {
        const std::string& x = g_list.sort.column == kSortByDate ? a.date : a.name;
        const std::string& y = g_list.sort.column == kSortByDate ? b.date : b.name;
        const int order = lstrcmpiA(x.c_str(), y.c_str());
        return g_list.sort.descending ? order > 0 : order < 0;
    });
}

}  // namespace

void ClearFiles()
{
    QuietPanes quiet;
    list_view::Clear(Files());
    g_list = FileListState{};
}

void ListFiles(bool withMessage, int filter)
{
    const PlaceRecord& place = CurrentPlace();
    ClearFiles();
    if (!place.inUse) return;
    const std::string directory = FileDirectory(place);
    if (withMessage) StatusMessage("Files in %s", directory.c_str());
    g_list.keys = ReadFiles(directory, filter);
    SortBy(kSortByName);
    FillPane();
}

void SortFiles(int column)
{
    CloseDocument();
    SortBy(column);
    FillPane();
}

void RefreshFiles() { ReloadFolderSelection(); }

void FilterFiles(int command)
{
    CloseDocument();
    ListFiles(true, command == kFilterAllFiles ? 0 : command);
}

void RelistFilesKeepingSelection(bool sort)
{
    const std::string selected = SelectedFileName();
    const PlaceRecord& place = CurrentPlace();
    if (sort) {
        ListFiles(false);
    } else {
        // The folder watch keeps the order the folder gives and the sort state as it was.
        const SortState kept = g_list.sort;
        g_list.keys = ReadFiles(FileDirectory(place), 0);
        g_list.sort = kept;
        FillPane();
    }
    if (selected.empty()) return;
    QuietPanes quiet;
    if (!SelectFileByName(selected) && EqualsNoCase(selected, place.file)) CloseDocument();
}

std::string SelectedFileName()
{
    const int index = list_view::Selected(Files());
    return index < 0 ? std::string() : list_view::Text(Files(), index);
}

bool SelectFileByName(const std::string& name)
{
    const int index = list_view::Find(Files(), name);
    if (index < 0) return false;
    QuietPanes quiet;
    list_view::ClearSelection(Files());
    list_view::Select(Files(), index);
    return true;
}

void AddFileItem(const std::string& name)
{
    QuietPanes quiet;
    g_list.keys.insert(g_list.keys.begin(), SortKey{name, ""});
    list_view::Insert(Files(), 0, name, IconFor(name));
}

bool SelectAndOpenFile(const std::string& name)
{
    if (!SelectFileByName(name)) return false;
    OpenSelectedFile(OpenMode::Open, Main().mode == ViewMode::Edit, true);
    return true;
}

}  // namespace pw
