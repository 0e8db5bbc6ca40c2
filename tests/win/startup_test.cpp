// Start-up, placement, timers, status messages, first launch and exit, on the real main window.
#include <windows.h>
#include <commctrl.h>

#include <memory>

#include "gui_harness.h"
#include "notes/win/document.h"
#include "settings/win/messages.h"
#include "settings/win/settings_win.h"
#include "shell/ids.h"
#include "shell/win/main_window.h"
#include "shell/win/mode.h"
#include "shell/win/startup.h"
#include "shell/win/timers.h"

namespace pwtest {
namespace {

using StartupTest = PagewickTest;

TEST_F(StartupTest, CreatesTheMainWindowWithItsTitleAndClass)
{
    ASSERT_TRUE(Start());
    char title[64] = {};
    GetWindowTextA(hwnd, title, sizeof(title));
    EXPECT_STREQ(title, "Pagewick");
    char cls[64] = {};
    GetClassNameA(hwnd, cls, sizeof(cls));
    EXPECT_STREQ(cls, "ferroWindClass");
    EXPECT_TRUE(GetMenu(hwnd));
    // The check mark of "Always on Top" is set in the menu resource and cleared at start-up.
    EXPECT_FALSE(GetMenuState(GetMenu(hwnd), CMD_ALWAYS_ON_TOP, MF_BYCOMMAND) & MF_CHECKED);
}

TEST_F(StartupTest, TakesOverTheSettingsOfTheEarlierName)
{
    WriteFile(InFolder("ferrowind.ini"), "[General]\r\nListWidth=240\r\n");
    ASSERT_TRUE(Start());
    EXPECT_FALSE(Exists(InFolder("ferrowind.ini")));
    EXPECT_NE(ReadFile(IniPath()).find("ListWidth=240"), std::string::npos);
    EXPECT_EQ(pw::Settings().GetInt("ListWidth", 200), 240);
}

TEST_F(StartupTest, KeepsAnExistingSettingsFileBesideTheEarlierOne)
{
    WriteIni("[General]\r\nListWidth=210\r\n");
    WriteFile(InFolder("ferrowind.ini"), "[General]\r\nListWidth=240\r\n");
    ASSERT_TRUE(Start());
    EXPECT_TRUE(Exists(InFolder("ferrowind.ini")));
    EXPECT_EQ(pw::Settings().GetInt("ListWidth", 200), 210);
}

WINDOWPLACEMENT PlacementOf(HWND hwnd)
{
    WINDOWPLACEMENT wp{};
    wp.length = sizeof(wp);
    GetWindowPlacement(hwnd, &wp);
    return wp;
}

TEST_F(StartupTest, RestoresTheSavedPlacement)
{
    WriteIni("[General]\r\nWindowPosition=0,1,-1,-1,-1,-1,40,30,640,480\r\n");
    ASSERT_TRUE(Start("", SW_SHOWDEFAULT));
    RECT r = PlacementOf(hwnd).rcNormalPosition;
    EXPECT_EQ(r.left, 40);
    EXPECT_EQ(r.top, 30);
    EXPECT_EQ(r.right, 640);
    EXPECT_EQ(r.bottom, 480);
}

TEST_F(StartupTest, EmptyRightAndBottomOpenAtTheDefaultPlace)
{
    WriteIni("[General]\r\nWindowPosition=0,1,-1,-1,-1,-1,10,10,0,0\r\n");
    ASSERT_TRUE(Start("", SW_SHOWDEFAULT));
    RECT r = PlacementOf(hwnd).rcNormalPosition;
    EXPECT_GT(r.right - r.left, 150);
    EXPECT_GT(r.bottom - r.top, 150);
}

TEST_F(StartupTest, ARightEdgeOfZeroRestoresAs150)
{
    WriteIni("[General]\r\nWindowPosition=0,1,-1,-1,-1,-1,10,10,0,500\r\n");
    ASSERT_TRUE(Start("", SW_SHOWDEFAULT));
    RECT r = PlacementOf(hwnd).rcNormalPosition;
    EXPECT_EQ(r.right, 150);
    EXPECT_EQ(r.bottom, 500);
}

TEST_F(StartupTest, ShowState3RestoresMaximisedEvenWithAnEmptyRectangle)
{
    WriteIni("[General]\r\nWindowPosition=2,3,-1,-1,-1,-1,0,0,0,0\r\n");
    ASSERT_TRUE(Start("", SW_SHOWDEFAULT));
    EXPECT_EQ(PlacementOf(hwnd).showCmd, static_cast<UINT>(SW_SHOWMAXIMIZED));
}

TEST_F(StartupTest, SavesThePlacementOnResizeButNotWhileMinimised)
{
    ASSERT_TRUE(Start());
    SetWindowPos(hwnd, nullptr, 20, 20, 700, 500, SWP_NOZORDER);
    Pump();
    const std::string saved = ReadFile(IniPath());
    ASSERT_NE(saved.find("WindowPosition="), std::string::npos);

    ShowWindow(hwnd, SW_MINIMIZE);
    Pump();
    SendMessageA(hwnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(300, 200));  // a layout while minimised
    Pump();
    EXPECT_EQ(ReadFile(IniPath()), saved);
}

TEST_F(StartupTest, AutosaveTimerFollowsTheSetting)
{
    struct Case {
        const char* ini;
        bool running;
    } cases[] = {{"[General]\r\nAutoSave=0\r\n", false}, {"[General]\r\nAutoSave=1\r\n", true}, {"", true}};
    for (const Case& c : cases) {
        WriteIni(c.ini);
        ASSERT_TRUE(Start());
        EXPECT_EQ(pw::AutosaveTimerRunning(), c.running) << c.ini;
        // KillTimer reports whether the timer existed.
        EXPECT_EQ(KillTimer(hwnd, TIMER_AUTOSAVE) != 0, c.running) << c.ini;
        Stop();
    }
}

TEST_F(StartupTest, AutosaveCountsMinutesUpToTheSetting)
{
    WriteIni("[General]\r\nAutoSave=3\r\n");
    ASSERT_TRUE(Start());
    pw::OnAutosaveTimer();
    pw::OnAutosaveTimer();
    EXPECT_EQ(pw::AutosaveCount(), 2);
    pw::OnAutosaveTimer();
    EXPECT_EQ(pw::AutosaveCount(), 0);
}

std::string StatusField(HWND bar, int field)
{
    char text[300] = {};
    SendMessageA(bar, SB_GETTEXTA, field, reinterpret_cast<LPARAM>(text));
    return text;
}

TEST_F(StartupTest, StatusMessageInTheStatusBarClearsAfterThreeSeconds)
{
    WriteIni("[General]\r\nUseStatBar=yes\r\n");
    ASSERT_TRUE(Start());
    HWND bar = pw::Main().panes.statusBar;
    ASSERT_TRUE(bar);
    EXPECT_EQ(GetDlgCtrlID(bar), IDW_STATUSBAR);
    pw::StatusMessage("Files in %s", "C:\\notes");
    EXPECT_EQ(StatusField(bar, 0), "Files in C:\\notes");
    for (int tick = 0; tick < 6; ++tick) pw::OnStatusTimer();  // 3 seconds of 500 ms ticks
    EXPECT_EQ(StatusField(bar, 0), "Files in C:\\notes");
    pw::OnStatusTimer();
    EXPECT_EQ(StatusField(bar, 0), "");
}

TEST_F(StartupTest, StatusMessageWithoutStatusBarUsesTheMessageLine)
{
    ASSERT_TRUE(Start());
    HWND line = pw::Main().panes.messageLine;
    ASSERT_TRUE(line);
    EXPECT_FALSE(pw::Main().panes.statusBar);
    // In-process the window may take the foreground: the message line is shown only then.
    SetForegroundWindow(hwnd);
    Pump();
    ASSERT_EQ(GetForegroundWindow(), hwnd);
    pw::StatusMessage("Note saved");
    EXPECT_TRUE(IsWindowVisible(line));
    char text[64] = {};
    GetWindowTextA(line, text, sizeof(text));
    EXPECT_STREQ(text, "Note saved");
    for (int tick = 0; tick < 6; ++tick) pw::OnStatusTimer();
    EXPECT_FALSE(IsWindowVisible(line));
}

TEST_F(StartupTest, StatusMessageIsDroppedWhenAnotherWindowIsInFront)
{
    ASSERT_TRUE(Start());
    std::unique_ptr<HWND__, decltype(&DestroyWindow)> other(
        CreateWindowExA(0, "STATIC", "other", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr, nullptr, nullptr),
        &DestroyWindow);
    SetForegroundWindow(other.get());
    Pump();
    ASSERT_EQ(GetForegroundWindow(), other.get());
    pw::HideMessageLine();
    pw::StatusMessage("Note saved");
    EXPECT_FALSE(IsWindowVisible(pw::Main().panes.messageLine));
    char text[64] = {};
    GetWindowTextA(pw::Main().panes.messageLine, text, sizeof(text));
    EXPECT_STRNE(text, "Note saved");
}

TEST_F(StartupTest, FirstLaunchSwitchesToViewModeOnce)
{
    WriteIni("[General]\r\nFirstLaunch=1\r\n");
    ASSERT_TRUE(Start());
    EXPECT_EQ(pw::CurrentMode(), pw::ViewMode::View);
    EXPECT_NE(ReadFile(IniPath()).find("FirstLaunch=0"), std::string::npos);
    Stop();
    ASSERT_TRUE(Start());
    EXPECT_EQ(pw::CurrentMode(), pw::ViewMode::Edit);
}

TEST_F(StartupTest, ExitDeletesOnlyTheProgramsRenderedPages)
{
    const std::string temp = InFolder("temp\\");
    const char* ours[] = {"fw1A2B.tmp", "fw1A2B.tmp.html", "fwC.tmp"};
    const char* theirs[] = {"fwupdate.log", "fw1A2B.txt", "notes.tmp"};
    for (const char* name : ours) WriteFile(temp + name, "x");
    for (const char* name : theirs) WriteFile(temp + name, "x");
    ASSERT_TRUE(Start());
    pw::ExitPagewick();
    MSG msg;
    EXPECT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE));
    for (const char* name : ours) EXPECT_FALSE(Exists(temp + name)) << name;
    for (const char* name : theirs) EXPECT_TRUE(Exists(temp + name)) << name;
}

TEST_F(StartupTest, ASettingsFileThatCannotBeWrittenIsReportedOnce)
{
    WriteIni("[General]\r\nUseStatBar=1\r\nListWidth=200\r\n");
    SetFileAttributesA(IniPath().c_str(), FILE_ATTRIBUTE_READONLY);
    ASSERT_TRUE(Start());
    const std::string before = ReadFile(IniPath());
    pw::Settings().SetGeneralInt("ListWidth", 300);
    EXPECT_EQ(pw::LastStatusText().rfind("Settings could not be saved to ", 0), 0u) << pw::LastStatusText();
    pw::StatusMessage("something else");
    pw::Settings().SetGeneralInt("ListWidth", 310);
    EXPECT_EQ(pw::LastStatusText(), "something else");
    EXPECT_EQ(ReadFile(IniPath()), before);
    SetFileAttributesA(IniPath().c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(StartupTest, ModeToggleFlipsTheMenuTextAndTheSaveButton)
{
    ASSERT_TRUE(Start());
    char text[64] = {};
    GetMenuStringA(GetMenu(hwnd), CMD_TOGGLE_MODE, text, sizeof(text), MF_BYCOMMAND);
    EXPECT_STREQ(text, " Switch to &View mode");
    Command(CMD_TOGGLE_MODE_KEY);
    EXPECT_EQ(pw::CurrentMode(), pw::ViewMode::View);
    GetMenuStringA(GetMenu(hwnd), CMD_TOGGLE_MODE, text, sizeof(text), MF_BYCOMMAND);
    EXPECT_STREQ(text, " Switch to &Edit mode");
    EXPECT_FALSE(SendMessageA(pw::Main().panes.toolbar, TB_ISBUTTONENABLED, CMD_TB_SAVE_FORWARD, 0));
    Command(CMD_TOGGLE_MODE_KEY);
    EXPECT_EQ(pw::CurrentMode(), pw::ViewMode::Edit);
    GetMenuStringA(GetMenu(hwnd), CMD_TOGGLE_MODE, text, sizeof(text), MF_BYCOMMAND);
    EXPECT_STREQ(text, " Switch to &View mode");
    EXPECT_TRUE(SendMessageA(pw::Main().panes.toolbar, TB_ISBUTTONENABLED, CMD_TB_SAVE_FORWARD, 0));
}

// A command whose part of the program is not built yet tells the user so, instead of doing nothing.
TEST_F(StartupTest, CommandsWithoutTheirOwnerYetSaySo)
{
    ASSERT_TRUE(Start());
    const struct {
        int id;
        const char* status;
    } cases[] = {
        {CMD_CONFIGURE, "Not available in this version yet: the Configure dialog"},
        {CMD_MAIL_TO_SELECTED, "Not available in this version yet: mail"},
        {CMD_MAIL_SELECTED_BODY, "Not available in this version yet: mail"},
        {CMD_FILE_SEND_EXTERNAL, "Not available in this version yet: the external program"},
        {CMD_PERPETUAL1, "Perpetual note 1 is not assigned: use Configure -> Perpetual Notes"},
    };
    for (const auto& c : cases) {
        pw::StatusText("");
        Command(c.id);
        EXPECT_EQ(pw::LastStatusText(), c.status) << c.id;
    }
}

TEST_F(StartupTest, AboutShowsTheFileVersion)
{
    ASSERT_TRUE(Start());
    pw::SetProgramFile([] {
        char path[MAX_PATH] = {};
        GetModuleFileNameA(nullptr, path, MAX_PATH);
        return std::string(path);
    }());
    Command(CMD_ABOUT);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].text.find("0.1.0"), std::string::npos) << boxes[0].text;
}

TEST_F(StartupTest, VersionTextNamesTheFailure)
{
    std::string text;
    EXPECT_FALSE(pw::VersionText(InFolder("missing.exe"), pw::VersionField::File, text));
    EXPECT_EQ(text, "Unable to get info size on " + InFolder("missing.exe"));
}

}  // namespace
}  // namespace pwtest
