// The Configure frame. Sequence: the page list is filled and no page is current; choosing a page closes the
// current one (its fields go into the pending layer) and creates the chosen one in the page area; OK closes
// the current page and commits the layer in one write; Cancel discards the layer, so the file stays as it was.
#include "dialogs/win/configure.h"

#include <commctrl.h>

#include "dialogs/win/configure_state.h"
#include "settings/win/dialog_runner.h"
#include "settings/win/settings_win.h"
#include "shell/ids.h"

namespace pw {
namespace {

constexpr int kPageLeft = 170;  // the page area, in pixels of the frame's client area
constexpr int kPageTop = 10;
constexpr int kPagesColumnWidth = 130;

ConfigureState& StateOf(HWND window)
{
    return *reinterpret_cast<ConfigureState*>(GetWindowLongPtrA(window, DWLP_USER));
}

INT_PTR CALLBACK PageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
        case WM_INITDIALOG:
            SetWindowLongPtrA(page, DWLP_USER, lParam);
            return FALSE;
        case WM_COMMAND: {
            ConfigureState& state = StateOf(page);
            if (state.current < 0 || state.page != page) return FALSE;
            const ConfigurePage& def = ConfigurePages()[static_cast<std::size_t>(state.current)];
            if (def.command) def.command(page, state, LOWORD(wParam), HIWORD(wParam));
            return TRUE;
        }
        case WM_NOTIFY: {
            ConfigureState& state = StateOf(page);
            if (state.current < 0 || state.page != page) return FALSE;
            const ConfigurePage& def = ConfigurePages()[static_cast<std::size_t>(state.current)];
            if (def.notify) def.notify(page, state, *reinterpret_cast<const NMHDR*>(lParam));
            return TRUE;
        }
        default:
            return FALSE;
    }
}

void ClosePage(ConfigureState& state)
{
    if (!state.page) return;
    const ConfigurePage& def = ConfigurePages()[static_cast<std::size_t>(state.current)];
    if (def.close) def.close(state.page, state);
    DestroyWindow(state.page);
    state.page = nullptr;
    state.current = -1;
}

void OpenPage(ConfigureState& state, int position)
{
    ClosePage(state);
    const ConfigurePage& def = ConfigurePages()[static_cast<std::size_t>(position)];
    HWND page = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(def.templateId), state.frame, PageProc,
                                   reinterpret_cast<LPARAM>(&state));
    if (!page) return;
    SetWindowLongPtrA(page, GWLP_ID, IDC_CONFIGURE_PAGE);
    RECT client{};
    GetClientRect(state.frame, &client);
    RECT ok{};
    GetWindowRect(GetDlgItem(state.frame, IDOK), &ok);
    MapWindowPoints(nullptr, state.frame, reinterpret_cast<POINT*>(&ok), 2);
    SetWindowPos(page, HWND_TOP, kPageLeft, kPageTop, client.right - kPageLeft - kPageTop, ok.top - kPageTop - kPageTop,
                 SWP_SHOWWINDOW);
    state.page = page;
    state.current = position;
    if (def.open) def.open(page, state);
}

void FillPageList(HWND list)
{
    ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT);
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.cx = kPagesColumnWidth;
    column.pszText = const_cast<char*>("Pages");
    SendMessageA(list, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
    int row = 0;
    for (const ConfigurePage& def : ConfigurePages()) {
        if (!def.listText) continue;
        LVITEMA item{};
        item.mask = LVIF_TEXT;
        item.iItem = row++;
        item.pszText = const_cast<char*>(def.listText);
        SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    }
}

// A selected row opens its page unless it is already current; a cleared selection closes the page, so that
// choosing it again opens it anew.
void OnListChange(ConfigureState& state, const NMLISTVIEW& change)
{
    if (!(change.uChanged & LVIF_STATE)) return;
    const bool nowSelected = (change.uNewState & LVIS_SELECTED) != 0;
    const bool wasSelected = (change.uOldState & LVIS_SELECTED) != 0;
    if (nowSelected && change.iItem != state.current) {
        OpenPage(state, change.iItem);
    } else if (wasSelected && !nowSelected) {
        HWND list = GetDlgItem(state.frame, IDC_CONFIGURE_PAGES);
        if (ListView_GetNextItem(list, -1, LVNI_SELECTED) < 0) ClosePage(state);
    }
}

INT_PTR CALLBACK FrameProc(HWND frame, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
        case WM_INITDIALOG: {
            SetWindowLongPtrA(frame, DWLP_USER, lParam);
            auto& state = *reinterpret_cast<ConfigureState*>(lParam);
            state.frame = frame;
            FillPageList(GetDlgItem(frame, IDC_CONFIGURE_PAGES));
            return TRUE;
        }
        case WM_NOTIFY: {
            const auto* header = reinterpret_cast<const NMHDR*>(lParam);
            if (header->idFrom == IDC_CONFIGURE_PAGES && header->code == LVN_ITEMCHANGED)
                OnListChange(StateOf(frame), *reinterpret_cast<const NMLISTVIEW*>(lParam));
            return TRUE;
        }
        case WM_COMMAND: {
            ConfigureState& state = StateOf(frame);
            if (LOWORD(wParam) == IDOK) {
                ClosePage(state);
                state.pending.Commit();
                EndDialog(frame, IDOK);
                return TRUE;
            }
            if (LOWORD(wParam) == IDCANCEL) {
                // The page is dropped without writing its fields: nothing of this opening reaches the file.
                if (state.page) DestroyWindow(state.page);
                state.page = nullptr;
                state.current = -1;
                state.pending.Discard();
                EndDialog(frame, IDCANCEL);
                return TRUE;
            }
            return FALSE;
        }
        default:
            return FALSE;
    }
}

}  // namespace

void OpenConfigurePage(ConfigureState& state, int position)
{
    OpenPage(state, position);
}

bool ShowConfigure(HWND owner)
{
    ConfigureState state(Settings());
    return RunModalDialog(owner, IDD_CONFIGURE, FrameProc, reinterpret_cast<LPARAM>(&state)) == IDOK;
}

}  // namespace pw
