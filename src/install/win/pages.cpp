#include "install/win/pages.h"

#include "install/install_names.h"
#include "install/install_plan.h"
#include "install/win/install_run.h"

namespace inst {
namespace {

struct PageContext {
    Installer* installer;
    int pageId;
};

Installer* InstallerOf(HWND page)
{
    return reinterpret_cast<Installer*>(GetWindowLongPtrA(page, DWLP_USER));
}

// The edit control wants CR LF line ends; the agreement text may have bare line feeds.
std::string WithCrLf(const std::string& text)
{
    std::string result;
    for (std::size_t n = 0; n < text.size(); ++n) {
        if (text[n] == '\n' && (n == 0 || text[n - 1] != '\r')) result += '\r';
        result += text[n];
    }
    return result;
}

void InitAdvanced(HWND page, Installer& installer)
{
    CheckDlgButton(page, IDC_DESKTOP_SHORTCUT, installer.state.desktopShortcut ? BST_CHECKED : BST_UNCHECKED);
    CheckRadioButton(page, IDC_FOR_EVERYONE, IDC_ALTERNATE_LOCATION, installer.state.placement);
    SetDlgItemTextA(page, IDC_PROGRAM_FOLDER, ProgramFolder(installer).c_str());
    CheckDlgButton(page, IDC_LAUNCH_AFTER, installer.state.launchAfterInstall ? BST_CHECKED : BST_UNCHECKED);
}

std::string FolderBoxText(HWND page)
{
    char text[kMaxPath + 1] = "";
    GetDlgItemTextA(page, IDC_PROGRAM_FOLDER, text, sizeof text);
    return text;
}

void OnAdvancedCommand(HWND page, Installer& installer, int id)
{
    InstallerState& state = installer.state;
    switch (id) {
        case IDC_DESKTOP_SHORTCUT:
            state.desktopShortcut = IsDlgButtonChecked(page, id) == BST_CHECKED;
            break;
        case IDC_LAUNCH_AFTER:
            state.launchAfterInstall = IsDlgButtonChecked(page, id) == BST_CHECKED;
            break;
        case IDC_FOR_EVERYONE:
        case IDC_FOR_CURRENT_USER: {
            state.placement = id;
            const std::string folder = id == IDC_FOR_EVERYONE
                                           ? DefaultProgramFolder(installer.targets)
                                           : JoinPath(installer.targets.appData, kProductName).value_or("");
            SetDlgItemTextA(page, IDC_PROGRAM_FOLDER, folder.c_str());
            break;
        }
        case IDC_ALTERNATE_LOCATION: {
            state.placement = id;
            // The chosen folder itself is the program folder: nothing is added to it.
            const std::string chosen = installer.hooks.pickFolder(GetParent(page));
            if (!chosen.empty()) SetDlgItemTextA(page, IDC_PROGRAM_FOLDER, chosen.c_str());
            break;
        }
        default:
            break;
    }
}

void InitPage(HWND page, const PageContext& context)
{
    Installer& installer = *context.installer;
    SetWindowLongPtrA(page, DWLP_USER, reinterpret_cast<LONG_PTR>(&installer));
    SetWindowLongPtrA(page, GWLP_ID, context.pageId);
    if (context.pageId == IDD_PAGE_WELCOME) {
        SetDlgItemTextA(page, IDC_WELCOME_TEXT, WelcomeText(installer.state.uninstall).c_str());
    } else if (context.pageId == IDD_PAGE_ADVANCED) {
        InitAdvanced(page, installer);
    } else if (context.pageId == IDD_PAGE_LICENCE) {
        SetDlgItemTextA(page, IDC_LICENCE_TEXT, WithCrLf(LicenceText(installer)).c_str());
    }
}

INT_PTR CALLBACK PageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam)
{
    Installer* installer = InstallerOf(page);
    switch (message) {
        case WM_INITDIALOG:
            InitPage(page, *reinterpret_cast<const PageContext*>(lParam));
            return TRUE;
        case WM_COMMAND:
            if (installer && GetWindowLongPtrA(page, GWLP_ID) == IDD_PAGE_ADVANCED && HIWORD(wParam) == BN_CLICKED)
                OnAdvancedCommand(page, *installer, LOWORD(wParam));
            return TRUE;
        case WM_DESTROY:
            // The folder box's text becomes the program folder when the Advanced page closes.
            if (installer && GetWindowLongPtrA(page, GWLP_ID) == IDD_PAGE_ADVANCED)
                installer->state.programFolder = FolderBoxText(page);
            return TRUE;
        default:
            return FALSE;
    }
}

}  // namespace

std::string WelcomeText(bool uninstall)
{
    if (!uninstall) return "Click Install to start enjoying the best simple text note organizer on the planet";
    char text[256];
    wsprintfA(
        text,
        "Click Remove to uninstall %s.\n\nNOTE: This will delete all %s settings.\nYour notes will not be deleted.",
        kProductName, kProductName);
    return text;
}

HWND CreatePage(HWND parent, int pageId, Installer& installer)
{
    PageContext context{&installer, pageId};
    return CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(pageId), parent, PageProc,
                              reinterpret_cast<LPARAM>(&context));
}

}  // namespace inst
