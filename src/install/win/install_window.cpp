// The main window is a dialog of the class "installclass" (the class's procedure is DefDlgProc, the dialog
// procedure below does the work). Pages are child dialogs placed below the picture, one at a time.
#include "install/win/install_window.h"

#include <memory>

#include "install/install_names.h"
#include "install/win/install_run.h"
#include "install/win/pages.h"

namespace inst {
namespace {

constexpr const char* kClassName = "installclass";
constexpr COLORREF kLinkColour = RGB(0, 0, 192);
constexpr int kPageLeft = 90;
constexpr int kPageTop = 120;
constexpr int kPageWidthMargin = 90;
constexpr int kPageHeightMargin = 180;
constexpr int kLinks[] = {IDC_LINK_WELCOME, IDC_LINK_ADVANCED, IDC_LINK_LICENCE, IDC_LINK_UNINSTALL};

// Owns a GDI font.
class Font {
public:
    Font() = default;
    ~Font() { Reset(nullptr); }
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;
    void Reset(HFONT font)
    {
        if (font_) DeleteObject(font_);
        font_ = font;
    }
    HFONT get() const { return font_; }

private:
    HFONT font_ = nullptr;
};

// What the window keeps while it lives; the installer state it works on belongs to the caller.
struct WindowState {
    Installer* installer = nullptr;
    HWND page = nullptr;
    int hovered = 0;  // the link under the pointer, underlined
    Font underlined;
};

WindowState* StateOf(HWND window)
{
    return reinterpret_cast<WindowState*>(GetWindowLongPtrA(window, DWLP_USER));
}

bool IsLink(int id)
{
    for (int link : kLinks)
        if (link == id) return true;
    return false;
}

void SetHovered(HWND window, WindowState& state, int id)
{
    if (state.hovered == id) return;
    const HFONT normal = reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0));
    if (state.hovered) SendDlgItemMessageA(window, state.hovered, WM_SETFONT, WPARAM(normal), TRUE);
    state.hovered = id;
    if (id) SendDlgItemMessageA(window, id, WM_SETFONT, WPARAM(state.underlined.get()), TRUE);
}

void MakeUnderlinedFont(HWND window, WindowState& state)
{
    LOGFONTA font = {};
    const HFONT normal = reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0));
    if (!normal || !GetObjectA(normal, sizeof font, &font)) return;
    font.lfUnderline = TRUE;
    state.underlined.Reset(CreateFontIndirectA(&font));
}

void EnterUninstallMode(HWND window)
{
    for (int id : {IDC_LINK_WELCOME, IDC_LINK_ADVANCED, IDC_LINK_LICENCE, IDC_ACCEPT_LICENCE})
        ShowWindow(GetDlgItem(window, id), SW_HIDE);
    ShowWindow(GetDlgItem(window, IDC_LINK_UNINSTALL), SW_SHOW);
    EnableWindow(GetDlgItem(window, IDOK), TRUE);
    SetDlgItemTextA(window, IDOK, "Remove");
    ShowPage(window, IDD_PAGE_WELCOME);
}

void Finish(HWND window, WindowState& state)
{
    // Closing the Advanced page takes its folder box's text as the program folder.
    if (state.page) {
        DestroyWindow(state.page);
        state.page = nullptr;
    }
    Installer& installer = *state.installer;
    if (installer.state.uninstall)
        RunUninstall(installer, window);
    else
        RunInstall(installer, window);
    DestroyWindow(window);
}

void OnCommand(HWND window, WindowState& state, int id, int code)
{
    if (id == IDOK) {
        if (state.installer->state.uninstall || IsDlgButtonChecked(window, IDC_ACCEPT_LICENCE) == BST_CHECKED)
            Finish(window, state);
    } else if (id == IDCANCEL) {
        DestroyWindow(window);
    } else if (id == IDC_ACCEPT_LICENCE && code == BN_CLICKED) {
        EnableWindow(GetDlgItem(window, IDOK), IsDlgButtonChecked(window, IDC_ACCEPT_LICENCE) == BST_CHECKED);
    } else if (code == STN_CLICKED && IsLink(id)) {
        const int page = id == IDC_LINK_ADVANCED  ? IDD_PAGE_ADVANCED
                         : id == IDC_LINK_LICENCE ? IDD_PAGE_LICENCE
                                                  : IDD_PAGE_WELCOME;
        ShowPage(window, page);
    }
}

BOOL OnSetCursor(HWND window, WindowState& state, HWND over)
{
    const int id = over == window ? 0 : GetDlgCtrlID(over);
    SetHovered(window, state, IsLink(id) ? id : 0);
    if (!IsLink(id)) return FALSE;
    SetCursor(LoadCursor(nullptr, IDC_HAND));
    SetWindowLongPtrA(window, DWLP_MSGRESULT, TRUE);
    return TRUE;
}

INT_PTR CALLBACK InstallDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    WindowState* state = StateOf(window);
    switch (message) {
        case WM_INITDIALOG: {
            // The window owns its state from here until WM_DESTROY.
            auto owned = std::make_unique<WindowState>();
            owned->installer = reinterpret_cast<Installer*>(lParam);
            state = owned.release();
            SetWindowLongPtrA(window, DWLP_USER, reinterpret_cast<LONG_PTR>(state));
            MakeUnderlinedFont(window, *state);
            const HICON icon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_INSTALL));
            SendMessageA(window, WM_SETICON, ICON_BIG, LPARAM(icon));
            EnableWindow(GetDlgItem(window, IDOK), FALSE);
            ShowWindow(GetDlgItem(window, IDC_LINK_UNINSTALL), SW_HIDE);
            if (state->installer->state.uninstall)
                EnterUninstallMode(window);
            else
                ShowPage(window, IDD_PAGE_WELCOME);
            return TRUE;
        }
        case WM_COMMAND:
            if (state) OnCommand(window, *state, LOWORD(wParam), HIWORD(wParam));
            return TRUE;
        case WM_SETCURSOR:
            return state ? OnSetCursor(window, *state, reinterpret_cast<HWND>(wParam)) : FALSE;
        case WM_CTLCOLORSTATIC:
            if (IsLink(GetDlgCtrlID(reinterpret_cast<HWND>(lParam)))) {
                const HDC dc = reinterpret_cast<HDC>(wParam);
                SetTextColor(dc, kLinkColour);
                SetBkMode(dc, TRANSPARENT);
                return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_BTNFACE));
            }
            return FALSE;
        case WM_CLOSE:
            DestroyWindow(window);
            return TRUE;
        case WM_DESTROY:
            if (state) {
                const std::unique_ptr<WindowState> dropped(state);
                SetWindowLongPtrA(window, DWLP_USER, 0);
                if (dropped->installer->quitOnClose) PostQuitMessage(0);
            }
            return TRUE;
        default:
            return FALSE;
    }
}

}  // namespace

bool RegisterInstallClass(HINSTANCE instance)
{
    WNDCLASSA existing;
    if (GetClassInfoA(instance, kClassName, &existing)) return true;
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = DefDlgProcA;
    windowClass.cbWndExtra = DLGWINDOWEXTRA;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_INSTALL));
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kClassName;
    return RegisterClassA(&windowClass) != 0;
}

HWND CreateInstallWindow(HINSTANCE instance, Installer& installer)
{
    if (!RegisterInstallClass(instance)) return nullptr;
    HWND window = CreateDialogParamA(instance, MAKEINTRESOURCEA(IDD_INSTALL_MAIN), nullptr, InstallDialogProc,
                                     reinterpret_cast<LPARAM>(&installer));
    if (window) ShowWindow(window, SW_SHOW);
    return window;
}

HWND CurrentPage(HWND window)
{
    const WindowState* state = StateOf(window);
    return state ? state->page : nullptr;
}

void ShowPage(HWND window, int pageId)
{
    WindowState* state = StateOf(window);
    if (!state) return;
    if (state->page) DestroyWindow(state->page);
    state->page = CreatePage(window, pageId, *state->installer);
    if (!state->page) return;
    RECT client;
    GetClientRect(window, &client);
    SetWindowPos(state->page, HWND_TOP, kPageLeft, kPageTop, client.right - kPageWidthMargin,
                 client.bottom - kPageHeightMargin, SWP_SHOWWINDOW);
}

}  // namespace inst
