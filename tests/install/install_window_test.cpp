// The installer's window in-process: its class and title, the acceptance box guarding Install, the pages
// behind the links, the placement choices, the Licence text from the archive, and the uninstall mode.
#include "install/win/install_window.h"

#include <gtest/gtest.h>

#include "install/win/pages.h"
#include "sandbox.h"

namespace inst::test {
namespace {

std::string TextOf(HWND window)
{
    char text[1024] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

void Pump()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

void Command(HWND window, int id, int code = BN_CLICKED)
{
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(GetDlgItem(window, id)));
    Pump();
}

void Click(HWND dialog, int id)
{
    SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
    Pump();
}

class InstallWindowTest : public testing::Test {
protected:
    HWND Open(bool uninstall = false)
    {
        box.installer.state.uninstall = uninstall;
        window = CreateInstallWindow(GetModuleHandleA(nullptr), box.installer);
        Pump();
        return window;
    }
    void TearDown() override
    {
        if (IsWindow(window)) DestroyWindow(window);
        Pump();
    }
    Sandbox box;
    HWND window = nullptr;
};

TEST_F(InstallWindowTest, OpensOnWelcomeWithInstallGuardedByTheAcceptanceBox)
{
    ASSERT_TRUE(Open());
    char className[64] = "";
    GetClassNameA(window, className, sizeof className);
    EXPECT_STREQ(className, "installclass");
    EXPECT_EQ(TextOf(window), "Install Pagewick");
    EXPECT_EQ(GetDlgCtrlID(CurrentPage(window)), IDD_PAGE_WELCOME);
    EXPECT_EQ(TextOf(GetDlgItem(CurrentPage(window), IDC_WELCOME_TEXT)),
              "Click Install to start enjoying the best simple text note organizer on the planet");
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(window, IDC_LINK_UNINSTALL)));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(window, IDOK)));
    Command(window, IDOK);  // refused while the box is clear
    EXPECT_TRUE(IsWindow(window));
    Click(window, IDC_ACCEPT_LICENCE);
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(window, IDOK)));
    Click(window, IDC_ACCEPT_LICENCE);
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(window, IDOK)));
}

TEST_F(InstallWindowTest, AdvancedPageSetsFolderAndFlags)
{
    ASSERT_TRUE(Open());
    Command(window, IDC_LINK_ADVANCED, STN_CLICKED);
    HWND page = CurrentPage(window);
    ASSERT_EQ(GetDlgCtrlID(page), IDD_PAGE_ADVANCED);
    EXPECT_EQ(TextOf(GetDlgItem(page, IDC_PROGRAM_FOLDER)), box.Path("pf\\Pagewick"));
    EXPECT_EQ(IsDlgButtonChecked(page, IDC_FOR_EVERYONE), BST_CHECKED);
    EXPECT_EQ(IsDlgButtonChecked(page, IDC_LAUNCH_AFTER), BST_UNCHECKED);  // the sandbox turned it off
    EXPECT_EQ(IsDlgButtonChecked(page, IDC_DESKTOP_SHORTCUT), BST_UNCHECKED);

    Click(page, IDC_FOR_CURRENT_USER);
    EXPECT_EQ(TextOf(GetDlgItem(page, IDC_PROGRAM_FOLDER)), box.Path("ad\\Pagewick"));
    box.pickedFolder = box.Path("tools");
    Click(page, IDC_ALTERNATE_LOCATION);
    EXPECT_EQ(TextOf(GetDlgItem(page, IDC_PROGRAM_FOLDER)), box.Path("tools"));
    box.pickedFolder = "";  // cancelled: the box keeps its text
    Click(page, IDC_FOR_CURRENT_USER);
    Click(page, IDC_ALTERNATE_LOCATION);
    EXPECT_EQ(TextOf(GetDlgItem(page, IDC_PROGRAM_FOLDER)), box.Path("ad\\Pagewick"));
    Click(page, IDC_DESKTOP_SHORTCUT);
    EXPECT_TRUE(box.installer.state.desktopShortcut);
    Click(page, IDC_LAUNCH_AFTER);
    EXPECT_TRUE(box.installer.state.launchAfterInstall);

    SetDlgItemTextA(page, IDC_PROGRAM_FOLDER, box.Path("typed").c_str());
    Command(window, IDC_LINK_WELCOME, STN_CLICKED);  // leaving the page takes the typed folder
    EXPECT_EQ(box.installer.state.programFolder, box.Path("typed"));
    EXPECT_EQ(box.installer.state.placement, IDC_ALTERNATE_LOCATION);
    Command(window, IDC_LINK_ADVANCED, STN_CLICKED);
    EXPECT_EQ(IsDlgButtonChecked(CurrentPage(window), IDC_ALTERNATE_LOCATION), BST_CHECKED);
    EXPECT_EQ(IsDlgButtonChecked(CurrentPage(window), IDC_DESKTOP_SHORTCUT), BST_CHECKED);
}

TEST_F(InstallWindowTest, LicencePageShowsTheAgreementFromTheArchive)
{
    box.PutRelease(ReleaseEntries());
    ASSERT_TRUE(Open());
    Command(window, IDC_LINK_LICENCE, STN_CLICKED);
    ASSERT_EQ(GetDlgCtrlID(CurrentPage(window)), IDD_PAGE_LICENCE);
    EXPECT_EQ(TextOf(GetDlgItem(CurrentPage(window), IDC_LICENCE_TEXT)), "Licence line one\r\nLicence line two\r\n");
    EXPECT_EQ(box.Read("dl\\Licence.txt"), "Licence line one\nLicence line two\n");
}

TEST_F(InstallWindowTest, InstallButtonInstallsAndClosesTheWindow)
{
    box.PutRelease(ReleaseEntries());
    ASSERT_TRUE(Open());
    Command(window, IDC_LINK_LICENCE, STN_CLICKED);  // extracts Licence.txt beside the installer
    Click(window, IDC_ACCEPT_LICENCE);
    Command(window, IDOK);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(box.Read("pf\\Pagewick\\Pagewick.exe"), "program v2");
    EXPECT_FALSE(box.Exists("dl\\Licence.txt"));
    EXPECT_TRUE(box.warnings.empty());
}

TEST_F(InstallWindowTest, UninstallModeShowsTheRemovePage)
{
    ASSERT_TRUE(Open(true));
    EXPECT_EQ(TextOf(GetDlgItem(window, IDOK)), "Remove");
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(window, IDOK)));
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(window, IDC_LINK_UNINSTALL)));
    for (int hidden : {IDC_LINK_WELCOME, IDC_LINK_ADVANCED, IDC_LINK_LICENCE, IDC_ACCEPT_LICENCE})
        EXPECT_FALSE(IsWindowVisible(GetDlgItem(window, hidden))) << hidden;
    EXPECT_EQ(TextOf(GetDlgItem(CurrentPage(window), IDC_WELCOME_TEXT)),
              "Click Remove to uninstall Pagewick.\n\nNOTE: This will delete all Pagewick settings.\nYour notes will "
              "not be deleted.");
    Command(window, IDCANCEL);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_TRUE(box.Exists("dl"));
}

}  // namespace
}  // namespace inst::test
