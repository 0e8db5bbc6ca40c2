// The library browser on the real main window: roots, folder and file panes, the open routine, the watch.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

#include "gui_harness.h"
#include "library/win/file_drag.h"
#include "library/win/file_pane.h"
#include "library/win/folder_pane.h"
#include "library/win/folder_watch.h"
#include "library/win/library_state.h"
#include "library/win/list_view.h"
#include "library/win/root_list.h"
#include "notes/win/document.h"
#include "render/win/browser_pane.h"
#include "settings/win/messages.h"
#include "settings/win/settings_win.h"
#include "shell/ids.h"
#include "shell/win/main_window.h"
#include "shell/win/mode.h"
#include "shell/win/startup.h"
#include "shell/win/toolbar.h"

namespace pwtest {
namespace {

class LibraryTest : public PagewickTest {
protected:
    // A small library: Notes\{a.txt, b.md, c.pdf, .profile, a.txt.fw, Work\{w.txt, Deep\}, imgs\, .git\}.
    void MakeLibrary()
    {
        lib = InFolder("Notes");
        MakeFolder(lib);
        for (const char* name : {"a.txt", "b.md", "c.pdf", ".profile", "a.txt.fw", "d.csv"})
            WriteFile(lib + "\\" + name, std::string("text of ") + name + "\r\n");
        for (const char* folder : {"Work", "Work\\Deep", "imgs", ".git", "Only imgs", "Only imgs\\imgs"})
            MakeFolder(lib + "\\" + folder);
        WriteFile(lib + "\\Work\\w.txt", "work\r\n");
    }

    std::string BasicIni(const std::string& general = "")
    {
        return "[General]\r\nRootAutoAddCDrive=0\r\nRootAutoAddMyDocuments=0\r\nRootAutoAddAmbervale=0\r\n" + general +
               "\r\n[BasicRoots]\r\n" + lib + "=Notes;.md\r\n";
    }

    std::vector<std::string> Items(HWND list)
    {
        std::vector<std::string> items;
        for (int i = 0; i < pw::list_view::Count(list); ++i) items.push_back(pw::list_view::Text(list, i));
        return items;
    }

    std::vector<std::string> Files() { return Items(pw::Main().panes.files); }
    std::vector<std::string> Folders() { return Items(pw::Main().panes.folders); }

    void ActivateFolder(const std::string& name)
    {
        HWND folders = pw::Main().panes.folders;
        const int index = pw::list_view::Find(folders, name);
        ASSERT_GE(index, 0) << name;
        {
            pw::QuietPanes quiet;
            pw::list_view::Select(folders, index);
        }
        pw::OnFolderActivated();
        Pump();
    }

    std::string EditorText()
    {
        char text[512] = {};
        GetWindowTextA(pw::ActiveEditor(), text, sizeof(text));
        return text;
    }

    std::string lib;
};

using Names = std::vector<std::string>;

TEST_F(LibraryTest, RootsComeFromTheStoredListInOrder)
{
    MakeLibrary();
    MakeFolder(InFolder("Other"));
    WriteIni(
        "[General]\r\nRootAutoAddCDrive=0\r\nRootAutoAddMyDocuments=0\r\nRootAutoAddAmbervale=0\r\n"
        "[BasicRoots]\r\n" +
        lib + "=Notes;.md\r\n" + InFolder("Missing") + "=Gone\r\n" + InFolder("Other") + "=\r\n");
    ASSERT_TRUE(Start());
    const pw::RootTable& roots = pw::Roots();
    ASSERT_EQ(roots.count, 2);  // the missing folder is left out
    EXPECT_EQ(roots.roots[0].alias, "Notes");
    EXPECT_EQ(roots.roots[0].defaultExtension, ".md");
    EXPECT_EQ(roots.roots[1].alias, InFolder("Other"));  // no alias: the path is shown
    EXPECT_EQ(roots.roots[1].defaultExtension, ".txt");
    EXPECT_EQ(SendMessageA(pw::Main().panes.roots, CB_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(SendMessageA(pw::Main().panes.roots, CB_GETCURSEL, 0, 0), 0);
}

TEST_F(LibraryTest, TheTwentySixthRootIsRefused)
{
    std::string ini =
        "[General]\r\nRootAutoAddCDrive=0\r\nRootAutoAddMyDocuments=0\r\nRootAutoAddAmbervale=0\r\n"
        "[BasicRoots]\r\n";
    for (int i = 0; i < 25; ++i) {
        const std::string folder = InFolder("r" + std::to_string(i));
        MakeFolder(folder);
        ini += folder + "=R" + std::to_string(i) + "\r\n";
    }
    WriteIni(ini);
    ASSERT_TRUE(Start());
    EXPECT_EQ(pw::Roots().count, 25);
    SetWindowTextA(pw::Main().panes.roots, InFolder("r0").c_str());
    SendMessageA(pw::Main().panes.roots, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    MakeFolder(InFolder("extra"));
    SetWindowTextA(pw::Main().panes.roots, InFolder("extra").c_str());
    pw::SelectRootFromList(true);
    EXPECT_EQ(pw::Roots().count, 25);
    EXPECT_EQ(pw::Roots().current, 0);
    const std::vector<std::string>& said = pw::RecentStatusTexts();
    EXPECT_NE(std::find(said.begin(), said.end(), "Hit maximum number of roots"), said.end());
    EXPECT_NE(std::find(said.begin(), said.end(), "Error adding root"), said.end());
}

TEST_F(LibraryTest, LastRootPicksTheRootByAliasOrPath)
{
    MakeLibrary();
    MakeFolder(InFolder("Other"));
    const std::string roots = "[BasicRoots]\r\n" + InFolder("Other") + "=Other\r\n" + lib + "=Notes\r\n";
    const std::string base = "[General]\r\nRootAutoAddCDrive=0\r\nRootAutoAddMyDocuments=0\r\n";
    for (const std::string& last : {std::string("notes"), lib, std::string("nothing")}) {
        WriteIni(base + "LastRoot=" + last + "\r\n" + roots);
        ASSERT_TRUE(Start());
        EXPECT_EQ(pw::Roots().current, last == "nothing" ? 0 : 1) << last;
        Stop();
    }
}

TEST_F(LibraryTest, FolderPaneHidesOwnAndHiddenEntriesAndOffersTheParentBelowTheRoot)
{
    MakeLibrary();
    WriteIni(BasicIni());
    ASSERT_TRUE(Start());
    EXPECT_EQ(Folders(), (Names{"Only imgs", "Work"}));
    EXPECT_EQ(Files(), (Names{"a.txt", "b.md", "c.pdf", "d.csv"}));
    // The folder icons: "Only imgs" holds nothing but an own folder, "Work" holds a real one.
    LVITEMA item{};
    item.mask = LVIF_IMAGE;
    SendMessageA(pw::Main().panes.folders, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(item.iImage, 0);
    item.iItem = 1;
    SendMessageA(pw::Main().panes.folders, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(item.iImage, 2);

    ActivateFolder("Work");
    EXPECT_EQ(Folders(), (Names{"[ . . ]", "Deep"}));
    EXPECT_EQ(Files(), (Names{"w.txt"}));
    ActivateFolder("[ . . ]");
    EXPECT_EQ(Folders(), (Names{"Only imgs", "Work"}));
}

TEST_F(LibraryTest, OwnFilesShowWithTheMenuToggle)
{
    MakeLibrary();
    WriteIni(BasicIni("FwHideFiles=0\r\nMenuViewPWFiles=0\r\n"));
    ASSERT_TRUE(Start());
    EXPECT_EQ(Files(), (Names{"a.txt", "b.md", "c.pdf", "d.csv"}));
    char text[64] = {};
    ASSERT_GT(GetMenuStringA(GetMenu(hwnd), CMD_VIEW_PW_FILES, text, sizeof(text), MF_BYCOMMAND), 0);
    EXPECT_STREQ(text, " View Pagewick files   ");
    Command(CMD_VIEW_PW_FILES);
    EXPECT_EQ(Files(), (Names{"a.txt", "a.txt.fw", "b.md", "c.pdf", "d.csv"}));
    EXPECT_TRUE(GetMenuState(GetMenu(hwnd), CMD_VIEW_PW_FILES, MF_BYCOMMAND) & MF_CHECKED);
}

TEST_F(LibraryTest, SortByNameFlipsAfterARefillAndDateSortsAscending)
{
    MakeLibrary();
    WriteIni(BasicIni());
    ASSERT_TRUE(Start());
    Command(CMD_SORT_BY_NAME);
    EXPECT_EQ(Files(), (Names{"d.csv", "c.pdf", "b.md", "a.txt"}));
    Command(CMD_SORT_BY_NAME);
    EXPECT_EQ(Files(), (Names{"a.txt", "b.md", "c.pdf", "d.csv"}));
    // Give the files distinct times, newest first in name order.
    const char* order[] = {"d.csv", "c.pdf", "b.md", "a.txt"};
    for (int i = 0; i < 4; ++i) {
        HANDLE file =
            CreateFileA((lib + "\\" + order[i]).c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        FILETIME time{static_cast<DWORD>(100000000u * (i + 1)), 30000000};
        SetFileTime(file, nullptr, nullptr, &time);
        CloseHandle(file);
    }
    Command(CMD_FILE_REFRESH);
    Command(CMD_SORT_BY_DATE);
    EXPECT_EQ(Files(), (Names{"d.csv", "c.pdf", "b.md", "a.txt"}));
}

TEST_F(LibraryTest, AFilterViewLastsUntilTheNextListing)
{
    MakeLibrary();
    WriteIni(BasicIni());
    ASSERT_TRUE(Start());
    Command(CMD_FILTER_TEXT);
    EXPECT_EQ(Files(), (Names{"a.txt", "b.md"}));
    Command(CMD_FILTER_SHEET);
    EXPECT_EQ(Files(), (Names{"d.csv"}));
    Command(CMD_FILE_REFRESH);
    EXPECT_EQ(Files().size(), 4u);
}

TEST_F(LibraryTest, OpensNotesInTheViewerTheirExtensionAndTheModeChoose)
{
    MakeLibrary();
    WriteIni(BasicIni());
    ASSERT_TRUE(Start());
    ClickFile("a.txt");
    EXPECT_EQ(pw::CurrentViewer(), pw::kTextViewer);
    EXPECT_TRUE(IsWindowEnabled(pw::ActiveEditor()));
    EXPECT_EQ(EditorText(), "text of a.txt\r\n");
    EXPECT_EQ(pw::CurrentPlace().file, "a.txt");

    ClickFile("c.pdf");
    EXPECT_EQ(pw::LastStatusText(), "No internal viewer for this file type");
    EXPECT_FALSE(IsWindowEnabled(pw::ActiveEditor()));
    EXPECT_EQ(pw::CurrentPlace().file, "");

    ClickFile("b.md");
    EXPECT_EQ(pw::CurrentViewer(), pw::kTextViewer);  // Edit mode edits Markdown
    Command(CMD_TOGGLE_MODE);
    EXPECT_EQ(pw::CurrentMode(), pw::ViewMode::View);
    EXPECT_EQ(pw::CurrentViewer(), pw::kWebViewer);  // View mode renders it
    ClickFile("a.txt");
    EXPECT_EQ(pw::CurrentViewer(), pw::kTextViewer);  // no view list holds ".txt"
}

TEST_F(LibraryTest, UpAndDownStopAtTheEndsOfTheList)
{
    MakeLibrary();
    WriteIni(BasicIni());
    ASSERT_TRUE(Start());
    ASSERT_TRUE(pw::SelectFileByName("a.txt"));
    pw::OpenSelectedFile(pw::OpenMode::Previous, false, true);
    EXPECT_EQ(pw::CurrentPlace().file, "a.txt");
    pw::OpenSelectedFile(pw::OpenMode::Next, false, true);
    EXPECT_EQ(pw::CurrentPlace().file, "b.md");
    ASSERT_TRUE(pw::SelectFileByName("d.csv"));
    pw::OpenSelectedFile(pw::OpenMode::Next, false, true);
    EXPECT_EQ(pw::CurrentPlace().file, "d.csv");
}

TEST_F(LibraryTest, TheFolderWatchListsAgainAfterAnOutsideChange)
{
    MakeLibrary();
    WriteIni(BasicIni());
    ASSERT_TRUE(Start());
    ClickFile("a.txt");
    pw::FolderWatchTick();  // remembers the folder
    WriteFile(lib + "\\new.txt", "new");
    // Make sure the folder's time moves even on a file system with coarse times.
    HANDLE folder = CreateFileA(lib.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    FILETIME later;
    GetSystemTimeAsFileTime(&later);
    later.dwHighDateTime += 1;
    SetFileTime(folder, nullptr, nullptr, &later);
    CloseHandle(folder);
    pw::FolderWatchTick();
    const Names files = Files();
    EXPECT_NE(std::find(files.begin(), files.end(), "new.txt"), files.end());
    EXPECT_EQ(pw::SelectedFileName(), "a.txt");
    EXPECT_EQ(pw::CurrentPlace().file, "a.txt");  // the open note stays open
}

TEST_F(LibraryTest, ACommandLineFileOpensInARootOfItsOwn)
{
    MakeLibrary();
    WriteIni(BasicIni());
    const std::string spaced = InFolder("My Notes");
    MakeFolder(spaced);
    WriteFile(spaced + "\\todo.txt", "buy milk\r\n");
    ASSERT_TRUE(Start("\"" + spaced + "\\todo.txt\""));
    const pw::PlaceRecord& place = pw::CurrentPlace();
    EXPECT_EQ(place.alias, "Command Line");
    EXPECT_EQ(place.file, "todo.txt");
    EXPECT_EQ(EditorText(), "buy milk\r\n");
}

TEST_F(LibraryTest, PanesFollowTheLayoutArithmetic)
{
    MakeLibrary();
    WriteIni(BasicIni());
    ASSERT_TRUE(Start());
    // A client area of exactly 1000 x 700, whatever the frame and menu take.
    RECT client{};
    for (int attempt = 0; attempt < 3 && (client.right != 1000 || client.bottom != 700); ++attempt) {
        RECT window;
        GetWindowRect(hwnd, &window);
        GetClientRect(hwnd, &client);
        SetWindowPos(hwnd, nullptr, 0, 0, window.right - window.left + 1000 - client.right,
                     window.bottom - window.top + 700 - client.bottom, SWP_NOZORDER | SWP_NOMOVE);
        Pump();
        GetClientRect(hwnd, &client);
    }
    ASSERT_EQ(client.right, 1000);
    ASSERT_EQ(client.bottom, 700);
    // Without a status bar each list's share is (700 + 2 - 49) / 2 = 326.
    RECT folders;
    GetWindowRect(pw::Main().panes.folders, &folders);
    MapWindowPoints(nullptr, hwnd, reinterpret_cast<POINT*>(&folders), 2);
    EXPECT_EQ(folders.left, 802);
    EXPECT_EQ(folders.top, 47);
    EXPECT_EQ(folders.bottom - folders.top, 317);
    RECT multibar;
    GetWindowRect(pw::Main().panes.multibar, &multibar);
    MapWindowPoints(nullptr, hwnd, reinterpret_cast<POINT*>(&multibar), 2);
    EXPECT_EQ(multibar.left, 99);
    EXPECT_EQ(multibar.right - multibar.left, 592);
}

TEST_F(LibraryTest, ReleasingTheSplitterStoresTheListWidth)
{
    MakeLibrary();
    WriteIni(BasicIni());
    ASSERT_TRUE(Start());
    RECT client;
    GetClientRect(hwnd, &client);
    const int splitter = pw::Main().splitterX;
    SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(splitter + 1, 100));
    SendMessageA(hwnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(client.right - 117, 100));
    SendMessageA(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(client.right - 117, 100));
    Pump();
    EXPECT_NE(ReadFile(IniPath()).find("ListWidth=120"), std::string::npos);
    // The lists' first columns keep the width they have for 200.
    EXPECT_EQ(ListView_GetColumnWidth(pw::Main().panes.files, 0), 200 - GetSystemMetrics(SM_CXVSCROLL) - 2);
}

TEST_F(LibraryTest, DragsEndCleanlyWhenTheMouseCaptureIsLost)
{
    MakeLibrary();
    WriteIni(BasicIni());
    ASSERT_TRUE(Start());
    RECT client;
    GetClientRect(hwnd, &client);
    const int splitter = pw::Main().splitterX;
    const auto loseCapture = [&](bool byEscape) {
        if (byEscape) {
            MSG key{GetFocus(), WM_KEYDOWN, VK_ESCAPE, 0, 0, {}};
            pw::HandleLoopMessage(key);
        } else {
            HWND other = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
            SetCapture(other);
            ReleaseCapture();
            DestroyWindow(other);
        }
        Pump();
    };
    for (bool byEscape : {false, true}) {
        SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(splitter + 1, 100));
        SendMessageA(hwnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(client.right - 117, 100));
        loseCapture(byEscape);
        SendMessageA(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(client.right - 117, 100));
        Pump();
        EXPECT_EQ(ReadFile(IniPath()).find("ListWidth="), std::string::npos) << byEscape;
        EXPECT_EQ(pw::Main().splitterX, splitter) << byEscape;
        EXPECT_TRUE(IsWindowEnabled(pw::Main().panes.folders)) << byEscape;
        EXPECT_TRUE(IsWindowEnabled(pw::Main().panes.files)) << byEscape;

        ASSERT_TRUE(pw::SelectFileByName("a.txt"));
        pw::BeginFileDrag();
        ASSERT_TRUE(pw::FileDragActive());
        loseCapture(byEscape);
        EXPECT_FALSE(pw::FileDragActive()) << "nothing is dropped after the capture went";
        EXPECT_NE(GetCapture(), hwnd);
    }
}

TEST_F(LibraryTest, ToolbarTooltipsFollowExpertModeAndBackInsteadOfNew)
{
    struct Case {
        const char* general;
        const char* first;
        const char* mode;
    } cases[] = {
        {"", "New", "View"},
        {"BackInsteadOfNew=1\r\n", "Back", "View"},
        {"ExpertMode=1\r\n", nullptr, nullptr},
    };
    for (const Case& c : cases) {
        WriteIni(std::string("[General]\r\nRootAutoAddCDrive=0\r\nRootAutoAddMyDocuments=0\r\n") + c.general);
        ASSERT_TRUE(Start());
        const char* first = pw::ToolbarTooltip(CMD_TB_NEW_BACK);
        const char* mode = pw::ToolbarTooltip(CMD_TB_MODE);
        EXPECT_STREQ(first, c.first) << c.general;
        EXPECT_STREQ(mode, c.mode) << c.general;
        EXPECT_STREQ(pw::ToolbarTooltip(CMD_PERPETUAL1),
                     "Perpetual note 1\nAssign note using Configure -> Perpetual Notes");
        Stop();
    }
}

TEST_F(LibraryTest, EditingCommandsRefuseInViewMode)
{
    WriteIni("[General]\r\nRootAutoAddCDrive=0\r\nRootAutoAddMyDocuments=0\r\n");
    ASSERT_TRUE(Start());
    Command(CMD_TOGGLE_MODE);
    Command(CMD_INSERT_ROW);
    EXPECT_EQ(pw::LastStatusText(), "Cannot edit in View mode");
}

TEST_F(LibraryTest, TheTextViewerBringsItsToolsMenuItems)
{
    MakeLibrary();
    WriteIni(BasicIni());
    ASSERT_TRUE(Start());
    ClickFile("a.txt");
    char text[64] = {};
    ASSERT_GT(GetMenuStringA(GetMenu(hwnd), CMD_WORDWRAP, text, sizeof(text), MF_BYCOMMAND), 0);
    EXPECT_STREQ(text, "  Wordwrap   ");
    EXPECT_TRUE(GetMenuState(GetMenu(hwnd), CMD_WORDWRAP, MF_BYCOMMAND) & MF_CHECKED);
    ClickFile("b.md");
    Command(CMD_TOGGLE_MODE);  // the web viewer replaces them
    EXPECT_EQ(GetMenuState(GetMenu(hwnd), CMD_WORDWRAP, MF_BYCOMMAND), static_cast<UINT>(-1));
    EXPECT_NE(GetMenuState(GetMenu(hwnd), CMD_PRINT, MF_BYCOMMAND), static_cast<UINT>(-1));
}

TEST_F(LibraryTest, WordWrapMovesTheNoteToTheOtherEditorWithItsEdits)
{
    MakeLibrary();
    WriteIni(BasicIni());
    ASSERT_TRUE(Start());
    ClickFile("a.txt");
    HWND before = pw::ActiveEditor();
    SendMessageA(before, EM_SETSEL, 0, 0);
    SendMessageA(before, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("new "));
    Pump();
    ASSERT_TRUE(pw::NoteModified());
    Command(CMD_WORDWRAP);
    HWND after = pw::ActiveEditor();
    EXPECT_NE(after, before);
    EXPECT_EQ(EditorText(), "new text of a.txt\r\n");
    EXPECT_TRUE(IsWindowEnabled(after));
    EXPECT_FALSE(IsWindowVisible(before));
    EXPECT_TRUE(pw::NoteModified());
    EXPECT_NE(ReadFile(IniPath()).find("WordWrap=0"), std::string::npos);
}

TEST_F(LibraryTest, LeavingAModifiedNoteSavesIt)
{
    MakeLibrary();
    WriteIni(BasicIni());
    ASSERT_TRUE(Start());
    ClickFile("a.txt");
    SendMessageA(pw::ActiveEditor(), EM_SETSEL, 0, 0);
    SendMessageA(pw::ActiveEditor(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("one "));
    Pump();
    ClickFile("b.md");  // opening another file closes the note first
    EXPECT_EQ(ReadFile(lib + "\\a.txt"), "one text of a.txt\r\n");
    SendMessageA(pw::ActiveEditor(), EM_SETSEL, 0, 0);
    SendMessageA(pw::ActiveEditor(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("two "));
    Pump();
    SendMessageA(hwnd, WM_CLOSE, 0, 0);  // and so does leaving the program
    EXPECT_EQ(ReadFile(lib + "\\b.md"), "two text of b.md\r\n");
}

TEST_F(LibraryTest, ANoteLinkInThePageOpensOrCreatesTheNote)
{
    MakeLibrary();
    WriteIni(BasicIni());
    ASSERT_TRUE(Start());
    struct Case {
        const char* link;
        const char* opened;
    } cases[] = {
        {"fw:a.txt", "a.txt"},               // the exact name
        {"fw:b", "b.md"},                    // with the root's note extension
        {"fw:My%20Plan:B", "My Plan_B.md"},  // created, cleaned
    };
    for (const Case& c : cases) {
        pw::SetClickedLink(c.link);
        SendMessageA(hwnd, WM_PW_LINK, 0, 0);
        Pump();
        EXPECT_EQ(pw::CurrentPlace().file, c.opened) << c.link;
    }
    EXPECT_TRUE(Exists(lib + "\\My Plan_B.md"));
}

// Each way of leaving a note whose save fails: the text is kept under a free name beside it, the user is
// told where, and the note's own file is untouched.
struct LeaveWay {
    const char* name;
    const char* note;  // the note that is edited
    bool viewMode;     // opened in View mode
    void (*leave)(LibraryTest& test);
};

void PrintTo(const LeaveWay& way, std::ostream* out)
{
    *out << way.name;
}

class LeavingTest : public LibraryTest, public ::testing::WithParamInterface<LeaveWay> {
public:
    void Click(const std::string& name) { ClickFile(name); }
    void OpenFolder(const std::string& name) { ActivateFolder(name); }
    void Send(int id) { Command(id); }
    void Close()
    {
        SendMessageA(hwnd, WM_CLOSE, 0, 0);
        Pump();
    }

protected:
    void TearDown() override
    {
        for (const char* name : {"a.txt", "b.md"})
            SetFileAttributesA((lib + "\\" + name).c_str(), FILE_ATTRIBUTE_NORMAL);
        LibraryTest::TearDown();
    }
};

const LeaveWay kLeaveWays[] = {
    {"AnotherFile", "a.txt", false, [](LibraryTest& t) { static_cast<LeavingTest&>(t).Click("b.md"); }},
    {"AnotherViewer", "a.txt", true, [](LibraryTest& t) { static_cast<LeavingTest&>(t).Click("b.md"); }},
    {"ModeSwitch", "b.md", false, [](LibraryTest& t) { static_cast<LeavingTest&>(t).Send(CMD_TOGGLE_MODE); }},
    {"AnotherFolder", "a.txt", false, [](LibraryTest& t) { static_cast<LeavingTest&>(t).OpenFolder("Work"); }},
    {"AnotherRoot", "a.txt", false, [](LibraryTest&) { pw::OpenRoot(1, false); }},
    {"AnotherRootFromTheList", "a.txt", false,
     [](LibraryTest&) {
         SendMessageA(pw::Main().panes.roots, CB_SETCURSEL, 1, 0);
         pw::SelectRootFromList(false);
     }},
    {"Exit", "a.txt", false, [](LibraryTest& t) { static_cast<LeavingTest&>(t).Close(); }},
};

TEST_P(LeavingTest, KeepsTheTextOfANoteThatCannotBeSaved)
{
    const LeaveWay& way = GetParam();
    MakeLibrary();
    MakeFolder(InFolder("Other"));
    WriteIni(BasicIni() + InFolder("Other") + "=Other;.txt\r\n");
    ASSERT_TRUE(Start());
    ASSERT_EQ(pw::Roots().count, 2);
    if (way.viewMode) Command(CMD_TOGGLE_MODE);
    ClickFile(way.note);
    ASSERT_EQ(pw::CurrentViewer(), pw::kTextViewer);
    SendMessageA(pw::ActiveEditor(), EM_SETSEL, 0, 0);
    SendMessageA(pw::ActiveEditor(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("mine "));
    Pump();
    ASSERT_TRUE(pw::NoteModified());
    const std::string note = lib + "\\" + way.note;
    SetFileAttributesA(note.c_str(), FILE_ATTRIBUTE_READONLY);

    way.leave(*this);

    const std::string base = std::string(way.note).substr(0, std::string(way.note).find('.'));
    const std::string ext = std::string(way.note).substr(std::string(way.note).find('.'));
    const std::string kept = base + "_001" + ext;
    EXPECT_EQ(ReadFile(lib + "\\" + kept), std::string("mine text of ") + way.note + "\r\n");
    EXPECT_EQ(ReadFile(note), std::string("text of ") + way.note + "\r\n");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "The note could not be saved.\n\nYour text is kept in " + lib + "\\" + kept);
    EXPECT_EQ(boxes[0].type, static_cast<UINT>(MB_OK | MB_ICONWARNING));
}

INSTANTIATE_TEST_SUITE_P(Ways, LeavingTest, ::testing::ValuesIn(kLeaveWays),
                         [](const ::testing::TestParamInfo<LeaveWay>& info) { return std::string(info.param.name); });

TEST_F(LibraryTest, AnUnnamedNoteIsNeverWrittenIntoTheNextFile)
{
    MakeLibrary();
    WriteIni(BasicIni());
    ASSERT_TRUE(Start());
    // An unnamed note whose naming fails: the Multibar is empty.
    pw::CurrentPlace().file = "$NEW$UNSAVED$";
    EnableWindow(pw::ActiveEditor(), TRUE);
    SetWindowTextA(pw::ActiveEditor(), "draft");
    pw::SetModified(true);

    ClickFile("c.pdf");

    EXPECT_EQ(ReadFile(lib + "\\c.pdf"), "text of c.pdf\r\n");
    EXPECT_EQ(ReadFile(lib + "\\Unsaved note.md"), "draft");
    EXPECT_EQ(pw::LastStatusText(), "Note not saved: your text is kept in Unsaved note.md");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "The note could not be saved.\n\nYour text is kept in " + lib + "\\Unsaved note.md");
    EXPECT_EQ(pw::CurrentPlace().file, "");
}

}  // namespace
}  // namespace pwtest
