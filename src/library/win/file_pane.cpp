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

namespace pw {
namespace {

FileListModel& Model()
{
    return LibraryArea().files;
}

HWND Files()
{
    return LibraryArea().panes.files;
}

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
        if (filter &&
            !PassesFilterView(filter, e.entry.name, v.viewers[kTextViewer].editList, v.viewers[kWebViewer].viewList))
            continue;
        keys.push_back({std::move(e.entry.name), std::move(e.date)});
    }
    return keys;
}

// The pane is a virtual list: it holds only the item count and asks the model for what it draws, so a
// folder of 10,000 files lists in the time it takes to read and sort it.
void FillPane()
{
    QuietPanes quiet;
    HWND list = Files();
    ListView_SetItemState(list, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    ListView_SetItemCountEx(list, static_cast<int>(Model().keys.size()), 0);
    InvalidateRect(list, nullptr, TRUE);
}

// The system's case-blind collation, compared through sort keys made once per item instead of once per
// comparison.
std::string CollationKey(const std::string& text)
{
    const int size = LCMapStringA(LOCALE_USER_DEFAULT, LCMAP_SORTKEY | NORM_IGNORECASE, text.c_str(), -1, nullptr, 0);
    std::string key(size > 0 ? static_cast<std::size_t>(size) : 0, '\0');
    if (size > 0)
        LCMapStringA(LOCALE_USER_DEFAULT, LCMAP_SORTKEY | NORM_IGNORECASE, text.c_str(), -1, key.data(), size);
    return key;
}

void SortBy(int column)
{
    RequestSort(Model().sort, column);
    const bool byDate = Model().sort.column == kSortByDate;
    std::vector<std::pair<std::string, SortKey>> keyed;
    keyed.reserve(Model().keys.size());
    for (SortKey& key : Model().keys) keyed.emplace_back(CollationKey(byDate ? key.date : key.name), std::move(key));
    const bool descending = Model().sort.descending;
    std::stable_sort(keyed.begin(), keyed.end(), [descending](const auto& a, const auto& b) {
        return descending ? a.first > b.first : a.first < b.first;
    });
    for (std::size_t i = 0; i < keyed.size(); ++i) Model().keys[i] = std::move(keyed[i].second);
}

}  // namespace

void ClearFiles()
{
    QuietPanes quiet;
    Model() = FileListModel{};
    FillPane();
}

bool FilePaneDisplayInfo(NMLVDISPINFOA* info)
{
    const int index = info->item.iItem;
    if (index < 0 || static_cast<std::size_t>(index) >= Model().keys.size()) return false;
    const std::string& name = Model().keys[static_cast<std::size_t>(index)].name;
    if ((info->item.mask & LVIF_TEXT) && info->item.pszText && info->item.cchTextMax > 0)
        lstrcpynA(info->item.pszText, name.c_str(), info->item.cchTextMax);
    if (info->item.mask & LVIF_IMAGE) info->item.iImage = IconFor(name);
    if (info->item.mask & LVIF_STATE) {
        const FileClipboard& pending = LibraryArea().clipboard;
        const bool cut = pending.operation == "move" && EqualsNoCase(pending.file, name) &&
                         EqualsNoCase(pending.sourceFolder, FileDirectory(CurrentPlace()));
        info->item.state = (info->item.state & ~LVIS_CUT) | (cut ? LVIS_CUT : 0);
    }
    return true;
}

int FindFileItem(const std::string& name, int start, bool prefix)
{
    const int count = static_cast<int>(Model().keys.size());
    for (int i = start < 0 ? 0 : start; i < count; ++i) {
        const std::string& item = Model().keys[static_cast<std::size_t>(i)].name;
        if (prefix ? StartsWithNoCase(item, name) : EqualsNoCase(item, name)) return i;
    }
    return -1;
}

void ListFiles(bool withMessage, int filter)
{
    const PlaceRecord& place = CurrentPlace();
    ClearFiles();
    if (!place.inUse) return;
    const std::string directory = FileDirectory(place);
    if (withMessage) StatusMessage("Files in %s", directory.c_str());
    Model().keys = ReadFiles(directory, filter);
    SortBy(kSortByName);
    FillPane();
}

void SortFiles(int column)
{
    CloseDocument();
    SortBy(column);
    FillPane();
}

void RefreshFiles()
{
    ReloadFolderSelection();
}

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
        const SortState kept = Model().sort;
        Model().keys = ReadFiles(FileDirectory(place), 0);
        Model().sort = kept;
        FillPane();
    }
    if (selected.empty()) return;
    QuietPanes quiet;
    if (!SelectFileByName(selected) && EqualsNoCase(selected, place.file)) CloseDocument();
}

std::string SelectedFileName()
{
    return FileNameAt(list_view::Selected(Files()));
}

std::string FileNameAt(int index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= Model().keys.size()) return {};
    return Model().keys[static_cast<std::size_t>(index)].name;
}

bool SelectFileByName(const std::string& name)
{
    const int index = FindFileItem(name, 0, false);
    if (index < 0) return false;
    QuietPanes quiet;
    list_view::ClearSelection(Files());
    list_view::Select(Files(), index);
    return true;
}

void AddFileItem(const std::string& name)
{
    QuietPanes quiet;
    Model().keys.insert(Model().keys.begin(), SortKey{name, ""});
    FillPane();
}

void RemoveFileItem(const std::string& name)
{
    const int index = FindFileItem(name, 0, false);
    if (index < 0) return;
    Model().keys.erase(Model().keys.begin() + index);
    FillPane();
}

void RenameFileItem(const std::string& oldName, const std::string& newName)
{
    const int index = FindFileItem(oldName, 0, false);
    if (index < 0) return;
    Model().keys[static_cast<std::size_t>(index)] = SortKey{newName, ""};
    FillPane();
    SelectFileByName(newName);
}

void ShowCutFile()
{
    // The pane keeps no item states of its own: the cut state is asked for with the text.
    ListView_SetCallbackMask(Files(), LVIS_CUT);
    InvalidateRect(Files(), nullptr, TRUE);
}

bool FollowShownFile(const std::string& name)
{
    if (!SelectFileByName(name)) return false;
    CurrentPlace().file = name;
    return true;
}

bool SelectAndOpenFile(const std::string& name)
{
    if (!SelectFileByName(name)) return false;
    OpenSelectedFile(OpenMode::Open, LibraryArea().host->Mode() == ViewMode::Edit, true);
    return true;
}

}  // namespace pw
