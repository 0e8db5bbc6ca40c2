// The Perpetual Notes page and the note picker that takes its place in the page area while a note is chosen.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

#include "dialogs/root_rules.h"
#include "dialogs/win/configure_state.h"
#include "library/listing.h"
#include "library/roots.h"
#include "library/win/directory.h"
#include "library/win/library_state.h"
#include "settings/limits.h"
#include "settings/win/settings_win.h"
#include "shell/ids.h"

namespace pw {
namespace {

constexpr char kRootsSection[] = "BasicRoots";
constexpr int kPickerColumnWidth = 350;

struct PerpetualField {
    int edit;
    int pick;
    const char* key;
};

constexpr PerpetualField kPerpetualFields[] = {
    {IDC_PERPETUAL1, IDC_PERPETUAL1_PICK, "PerpetualNote1"},
    {IDC_PERPETUAL2, IDC_PERPETUAL2_PICK, "PerpetualNote2"},
    {IDC_PERPETUAL3, IDC_PERPETUAL3_PICK, "PerpetualNote3"},
};

std::string ControlText(HWND page, int control)
{
    char buffer[kMaxText + 1] = {};
    GetDlgItemTextA(page, control, buffer, sizeof buffer);
    return buffer;
}

std::string Expanded(std::string path)
{
    ExpandPath(path, MachinePaths());
    return path;
}

// The roots a note may lie in: the configured ones as the dialog holds them, then those of the running table
// (the automatic ones among them).
RootTable KnownRoots(ConfigureState& state)
{
    RootTable table;
    for (const std::string& key : state.pending.KeysOf(kRootsSection)) {
        const std::string alias = state.pending.Get(kRootsSection, key, "");
        AddRoot(table, key, Expanded(key), alias, "", ".txt");
    }
    const RootTable& running = Roots();
    for (int i = 0; i < running.count; ++i) {
        const PlaceRecord& root = running.roots[static_cast<std::size_t>(i)];
        AddRoot(table, root.storedRootPath, root.rootPath, root.alias, root.defaultExtension, ".txt");
    }
    return table;
}

std::string ItemText(HWND list, int row)
{
    char buffer[kMaxText + 1] = {};
    LVITEMA item{};
    item.pszText = buffer;
    item.cchTextMax = sizeof buffer;
    SendMessageA(list, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
    return buffer;
}

int SelectedRow(HWND list)
{
    return static_cast<int>(SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void AddColumn(HWND list, const char* title)
{
    ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT);
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.cx = kPickerColumnWidth;
    column.pszText = const_cast<char*>(title);
    SendMessageA(list, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
}

void AppendItem(HWND list, const std::string& text)
{
    LVITEMA item{};
    item.mask = LVIF_TEXT;
    item.iItem = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    item.pszText = const_cast<char*>(text.c_str());
    SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
}

// The folder's subfolders (after the parent entry below the root) and files, by name, as the panes list them.
void ListPickerFolder(HWND page, const ConfigureState& state)
{
    HWND folders = GetDlgItem(page, IDC_PICK_FOLDERS);
    HWND files = GetDlgItem(page, IDC_PICK_FILES);
    SendMessageA(folders, LVM_DELETEALLITEMS, 0, 0);
    SendMessageA(files, LVM_DELETEALLITEMS, 0, 0);
    EnableWindow(GetDlgItem(page, IDC_PICK_OK), FALSE);
    if (state.pickFolder.empty()) return;
    const std::string root = Expanded(state.pickRoot);
    if (ShowsParentEntry(root, state.pickFolder)) AppendItem(folders, std::string(kParentEntry));
    std::vector<FolderEntry> entries;
    ReadFolder(state.pickFolder, entries);
    std::sort(entries.begin(), entries.end(),
              [](const FolderEntry& a, const FolderEntry& b) { return CompareNoCase(a.entry.name, b.entry.name) < 0; });
    const HiddenEntryRules rules = CurrentHiddenRules();
    for (const FolderEntry& e : entries) {
        if (!IsListedEntry(e.entry, rules)) continue;
        AppendItem(e.entry.isFolder ? folders : files, e.entry.name);
    }
}

void ChooseRoot(HWND page, ConfigureState& state, const std::string& storedRoot)
{
    state.pickRoot = storedRoot;
    state.pickFolder = Expanded(storedRoot);
    ListPickerFolder(page, state);
}

void EnterFolder(HWND page, ConfigureState& state, const std::string& name)
{
    const std::string root = Expanded(state.pickRoot);
    if (name == kParentEntry) {
        state.pickFolder = ParentWithinRoot(root, state.pickFolder);
    } else {
        std::string inner;
        if (!JoinPath(inner, state.pickFolder, name)) return;
        state.pickFolder = inner;
    }
    ListPickerFolder(page, state);
}

void FinishPicking(ConfigureState& state, std::string picked)
{
    state.pickedPath = std::move(picked);
    if (state.pickedPath.empty()) state.pickField = 0;
    OpenConfigurePage(state, kPerpetualPagePosition);
}

}  // namespace

void OpenPerpetualPage(HWND page, ConfigureState& state)
{
    for (const PerpetualField& field : kPerpetualFields) {
        SendDlgItemMessageA(page, field.edit, EM_LIMITTEXT, kMaxText, 0);
        const std::string shown = field.edit == state.pickField && !state.pickedPath.empty()
                                      ? state.pickedPath
                                      : PerpetualNotePath(state.pending.Get(field.key, ""));
        SetDlgItemTextA(page, field.edit, shown.c_str());
    }
    state.pickField = 0;
    state.pickedPath.clear();
}

// A changed field is written only when its text names a note inside a root; otherwise the previous value stays.
void ClosePerpetualPage(HWND page, ConfigureState& state)
{
    const RootTable roots = KnownRoots(state);
    const PathEnvironment env = MachinePaths();
    for (const PerpetualField& field : kPerpetualFields) {
        const std::string text = ControlText(page, field.edit);
        // A field showing its note as it was keeps the stored value exactly as written.
        if (text == PerpetualNotePath(state.pending.Get(field.key, ""))) continue;
        if (auto value = PerpetualNoteValue(text, roots, env)) state.pending.Set(field.key, *value);
    }
}

void PerpetualPageCommand(HWND, ConfigureState& state, int id, int code)
{
    if (code != BN_CLICKED) return;
    for (const PerpetualField& field : kPerpetualFields) {
        if (field.pick != id) continue;
        state.pickField = field.edit;
        OpenConfigurePage(state, kNotePickerPosition);
        return;
    }
}

// The field's current note, if any, preselects its root and folder.
void OpenNotePicker(HWND page, ConfigureState& state)
{
    AddColumn(GetDlgItem(page, IDC_PICK_FOLDERS), "Folder");
    AddColumn(GetDlgItem(page, IDC_PICK_FILES), "File");
    HWND combo = GetDlgItem(page, IDC_PICK_ROOTS);
    const StringList keys = state.pending.KeysOf(kRootsSection);
    for (const std::string& key : keys) SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(key.c_str()));
    state.pickRoot.clear();
    state.pickFolder.clear();
    std::string note;
    for (const PerpetualField& field : kPerpetualFields) {
        if (field.edit == state.pickField) note = PerpetualNotePath(state.pending.Get(field.key, ""));
    }
    const std::string noteFolder = Expanded(FolderOf(note));
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const std::string root = Expanded(keys[i]);
        if (note.empty() || !StartsWithNoCase(noteFolder, root)) continue;
        SendMessageA(combo, CB_SETCURSEL, i, 0);
        state.pickRoot = keys[i];
        state.pickFolder = noteFolder.size() > 3 && noteFolder.back() == '\\'
                               ? noteFolder.substr(0, noteFolder.size() - 1)
                               : noteFolder;
        break;
    }
    ListPickerFolder(page, state);
}

void NotePickerCommand(HWND page, ConfigureState& state, int id, int code)
{
    if (id == IDC_PICK_ROOTS && code == CBN_SELCHANGE) {
        HWND combo = GetDlgItem(page, IDC_PICK_ROOTS);
        const LRESULT chosen = SendMessageA(combo, CB_GETCURSEL, 0, 0);
        const StringList keys = state.pending.KeysOf(kRootsSection);
        if (chosen >= 0 && static_cast<std::size_t>(chosen) < keys.size())
            ChooseRoot(page, state, keys[static_cast<std::size_t>(chosen)]);
        return;
    }
    if (code != BN_CLICKED) return;
    if (id == IDC_PICK_CANCEL) {
        FinishPicking(state, {});
        return;
    }
    if (id != IDC_PICK_OK) return;
    HWND files = GetDlgItem(page, IDC_PICK_FILES);
    const int row = SelectedRow(files);
    std::string path;
    if (row < 0 || !JoinPath(path, state.pickFolder, ItemText(files, row))) return;
    if (state.pickRoot.starts_with(kAppSourceDriveVariable)) MakeDriveRelative(path);
    FinishPicking(state, path);
}

void NotePickerNotify(HWND page, ConfigureState& state, const NMHDR& header)
{
    if (header.idFrom == IDC_PICK_FILES && header.code == LVN_ITEMCHANGED) {
        EnableWindow(GetDlgItem(page, IDC_PICK_OK), SelectedRow(GetDlgItem(page, IDC_PICK_FILES)) >= 0);
    } else if (header.idFrom == IDC_PICK_FOLDERS && header.code == NM_DBLCLK) {
        HWND folders = GetDlgItem(page, IDC_PICK_FOLDERS);
        const int row = SelectedRow(folders);
        if (row >= 0) EnterFolder(page, state, ItemText(folders, row));
    }
}

}  // namespace pw
