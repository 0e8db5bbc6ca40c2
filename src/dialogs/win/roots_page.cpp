// The Roots page over the pending "BasicRoots" section, and the Add or Edit Root dialog with its checks.
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "dialogs/root_rules.h"
#include "dialogs/win/configure_state.h"
#include "settings/limits.h"
#include "settings/win/dialog_runner.h"
#include "settings/win/messages.h"
#include "settings/win/settings_win.h"
#include "shell/ids.h"

namespace pw {
namespace {

constexpr char kRootsSection[] = "BasicRoots";

struct RootRow {
    std::string path;
    std::string alias;
    std::string extension;
};

// What the root dialog edits: the row, and in add mode the paths already listed.
struct RootEdit {
    bool adding = true;
    RootRow row;
    std::vector<std::string> listedPaths;
};

std::string ItemText(HWND list, int row, int column)
{
    char buffer[kMaxText + 1] = {};
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = buffer;
    item.cchTextMax = sizeof buffer;
    SendMessageA(list, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
    return buffer;
}

void SetItemText(HWND list, int row, int column, const std::string& text)
{
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = const_cast<char*>(text.c_str());
    SendMessageA(list, LVM_SETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
}

int RowCount(HWND list)
{
    return static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
}

RootRow RowAt(HWND list, int row)
{
    return {ItemText(list, row, 0), ItemText(list, row, 1), ItemText(list, row, 2)};
}

void PutRow(HWND list, int row, const RootRow& values)
{
    SetItemText(list, row, 0, values.path);
    SetItemText(list, row, 1, values.alias);
    SetItemText(list, row, 2, values.extension);
}

void AppendRow(HWND list, const RootRow& values)
{
    LVITEMA item{};
    item.mask = LVIF_TEXT;
    item.iItem = RowCount(list);
    item.pszText = const_cast<char*>(values.path.c_str());
    const int row = static_cast<int>(SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
    if (row >= 0) PutRow(list, row, values);
}

void AddColumns(HWND list)
{
    ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT);
    const struct {
        const char* title;
        int width;
    } columns[] = {{"Path", 200}, {"Alias", 100}, {"Extension", 100}};
    int index = 0;
    for (const auto& c : columns) {
        LVCOLUMNA column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.cx = c.width;
        column.pszText = const_cast<char*>(c.title);
        SendMessageA(list, LVM_INSERTCOLUMNA, index++, reinterpret_cast<LPARAM>(&column));
    }
}

std::string CommentOf(const PendingSettings& pending, const std::string& key)
{
    for (const SettingsEntry& entry : pending.Entries()) {
        if (EqualsNoCase(entry.section, kRootsSection) && EqualsNoCase(entry.key, key)) return entry.comment;
    }
    return {};
}

std::string FieldText(HWND dialog, int control)
{
    char buffer[kMaxText + 1] = {};
    GetDlgItemTextA(dialog, control, buffer, sizeof buffer);
    return buffer;
}

void FillRootDialog(HWND dialog, const RootEdit& edit)
{
    for (int control : {IDC_ROOT_PATH, IDC_ROOT_ALIAS, IDC_ROOT_EXTENSION})
        SendDlgItemMessageA(dialog, control, EM_LIMITTEXT, kMaxText, 0);
    SetDlgItemTextA(dialog, IDC_ROOT_PATH, edit.row.path.c_str());
    SetDlgItemTextA(dialog, IDC_ROOT_ALIAS, edit.row.alias.c_str());
    SetDlgItemTextA(dialog, IDC_ROOT_EXTENSION, edit.row.extension.c_str());
    if (!edit.adding) {
        SetWindowTextA(dialog, "Edit Root");
        EnableWindow(GetDlgItem(dialog, IDC_ROOT_PATH), FALSE);
        ShowWindow(GetDlgItem(dialog, IDC_ROOT_BROWSE), SW_HIDE);
    }
}

void SetPathForRemoteUse(HWND dialog)
{
    std::string path = FieldText(dialog, IDC_ROOT_PATH);
    switch (MakeRemotePath(path, ProgramFolder())) {
        case RemotePathResult::Changed:
            SetDlgItemTextA(dialog, IDC_ROOT_PATH, path.c_str());
            break;
        case RemotePathResult::NotOnProgramDrive:
            ShowBox(dialog, std::string(kNotOnProgramDriveMessage), std::string(kNotOnProgramDriveCaption), MB_OK);
            break;
        case RemotePathResult::Unchanged:
            break;
    }
}

// True when the fields pass the checks and the row took them; otherwise the box says why and the dialog stays.
bool AcceptRoot(HWND dialog, RootEdit& edit)
{
    RootRow row{FieldText(dialog, IDC_ROOT_PATH), FieldText(dialog, IDC_ROOT_ALIAS),
                FieldText(dialog, IDC_ROOT_EXTENSION)};
    const RootProblem problem = edit.adding ? CheckRootToAdd(row.path, row.alias, row.extension, edit.listedPaths)
                                            : CheckRootEdit(row.path, row.alias, row.extension);
    if (problem == RootProblem::Duplicate) {
        ShowBox(dialog, std::string(kDuplicateRootMessage), std::string(kDuplicateRootCaption), MB_OK | MB_ICONERROR);
        return false;
    }
    if (problem == RootProblem::MissingField) {
        ShowBox(dialog, std::string(kMissingFieldMessage), std::string(kMissingFieldCaption), MB_OK);
        return false;
    }
    row.extension = Cut(RootExtensionText(row.extension));
    edit.row = row;
    return true;
}

INT_PTR CALLBACK RootProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
        case WM_INITDIALOG:
            SetWindowLongPtrA(dialog, DWLP_USER, lParam);
            FillRootDialog(dialog, *reinterpret_cast<RootEdit*>(lParam));
            return TRUE;
        case WM_COMMAND: {
            auto& edit = *reinterpret_cast<RootEdit*>(GetWindowLongPtrA(dialog, DWLP_USER));
            switch (LOWORD(wParam)) {
                case IDC_ROOT_BROWSE: {
                    std::string folder;
                    if (PickFolder(folder)) SetDlgItemTextA(dialog, IDC_ROOT_PATH, folder.c_str());
                    return TRUE;
                }
                case IDC_ROOT_REMOTE:
                    SetPathForRemoteUse(dialog);
                    return TRUE;
                case IDOK:
                    if (AcceptRoot(dialog, edit)) EndDialog(dialog, IDOK);
                    return TRUE;
                case IDCANCEL:
                    EndDialog(dialog, IDCANCEL);
                    return TRUE;
                default:
                    return FALSE;
            }
        }
        default:
            return FALSE;
    }
}

int SelectedRow(HWND list)
{
    return static_cast<int>(SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void AddRootRow(HWND page, ConfigureState& state)
{
    HWND list = GetDlgItem(page, IDC_ROOT_LIST);
    RootEdit edit;
    edit.row.extension = state.pending.Get("DefaultExtension", ".txt");
    // The rows on screen count, not only what the pending layer held when the page opened.
    for (int row = 0; row < RowCount(list); ++row) edit.listedPaths.push_back(ItemText(list, row, 0));
    if (RunModalDialog(state.frame, IDD_ROOT, RootProc, reinterpret_cast<LPARAM>(&edit)) == IDOK)
        AppendRow(list, edit.row);
}

void EditRootRow(HWND page, ConfigureState& state)
{
    HWND list = GetDlgItem(page, IDC_ROOT_LIST);
    const int row = SelectedRow(list);
    if (row < 0) return;
    RootEdit edit;
    edit.adding = false;
    edit.row = RowAt(list, row);
    if (RunModalDialog(state.frame, IDD_ROOT, RootProc, reinterpret_cast<LPARAM>(&edit)) == IDOK)
        PutRow(list, row, edit.row);
}

}  // namespace

void OpenRootsPage(HWND page, ConfigureState& state)
{
    OpenRootFields(page, state);
    HWND list = GetDlgItem(page, IDC_ROOT_LIST);
    AddColumns(list);
    for (const std::string& key : state.pending.KeysOf(kRootsSection)) {
        const std::string alias = state.pending.Get(kRootsSection, key, "");
        AppendRow(list, {key, alias, CommentOf(state.pending, key)});
    }
}

// The whole section is rebuilt from the rows, in list order.
void CloseRootsPage(HWND page, ConfigureState& state)
{
    CloseRootFields(page, state);
    HWND list = GetDlgItem(page, IDC_ROOT_LIST);
    state.pending.QueueSectionDeletion(kRootsSection);
    for (int row = 0; row < RowCount(list); ++row) {
        const RootRow values = RowAt(list, row);
        state.pending.Set(kRootsSection, values.path, values.alias, values.extension);
    }
}

void RootsPageCommand(HWND page, ConfigureState& state, int id, int code)
{
    if (code != BN_CLICKED) return;
    HWND list = GetDlgItem(page, IDC_ROOT_LIST);
    switch (id) {
        case IDC_ROOT_ADD:
            AddRootRow(page, state);
            break;
        case IDC_ROOT_EDIT:
            EditRootRow(page, state);
            break;
        case IDC_ROOT_DELETE:
            if (SelectedRow(list) >= 0) SendMessageA(list, LVM_DELETEITEM, SelectedRow(list), 0);
            break;
        default:
            break;
    }
}

void RootsPageNotify(HWND page, ConfigureState& state, const NMHDR& header)
{
    if (header.idFrom == IDC_ROOT_LIST && header.code == NM_DBLCLK) EditRootRow(page, state);
}

}  // namespace pw
