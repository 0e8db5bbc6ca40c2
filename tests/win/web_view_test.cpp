// The web viewer on the real main window: the pages it writes (checked as files), the image page, the style
// sheet choice and the opening of note links.
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "gui_harness.h"
#include "library/win/file_pane.h"
#include "library/viewers.h"
#include "library/win/library_state.h"
#include "render/win/browser_pane.h"
#include "render/win/web_view.h"
#include "settings/win/messages.h"
#include "settings/win/settings_win.h"
#include "shell/ids.h"
#include "shell/win/main_window.h"
#include "shell/win/viewer_menu.h"

namespace pwtest {
namespace {

class WebViewTest : public PagewickTest {
protected:
    void SetUp() override
    {
        PagewickTest::SetUp();
        notes = InFolder("notes");
        MakeFolder(notes);
        MakeFolder(InFolder("support"));
    }
    // Starts the window and makes the notes folder the current root with the file selected.
    void StartOn(const std::string& file, const std::string& rootExtension = ".wki")
    {
        ASSERT_TRUE(Start());
        pw::RootTable& roots = pw::Roots();
        const int index = pw::AddRoot(roots, notes, notes, "Notes", rootExtension, ".txt");
        ASSERT_GE(index, 0);
        roots.current = index;
        pw::PlaceRecord& place = pw::CurrentPlace();
        place.inUse = 1;
        place.folderPath = notes;
        place.fileFolder.clear();
        place.file = file;
    }
    std::string Note(const std::string& name) const { return notes + "\\" + name; }

    std::string notes;
};

TEST_F(WebViewTest, RendersANoteIntoATemporaryPage)
{
    WriteFile(InFolder("support\\markup.css"), "body{}");
    WriteFile(Note("a.md"), "+ Title\r\nfirst line\r\nsecond [Other Note] line\r\n");
    StartOn("a.md");
    pw::RenderView();
    EXPECT_EQ(pw::ShownPageKind(), pw::PageKind::Rendered);
    const std::string page = pw::ShownPageAddress();
    EXPECT_EQ(page.rfind(InFolder("temp\\fw"), 0), 0u) << page;
    const std::string bytes = ReadFile(page);
    const std::string head = "<html>\n<head>\n<title>a.md</title>\n<base href=\"file://" + notes +
                             "\\\">\n<link rel=\"stylesheet\" href=\"file://" + InFolder("support\\markup.css") +
                             "\" type=\"text/css\">\n</head><body>\n";
    EXPECT_EQ(bytes.substr(0, head.size()), head);
    EXPECT_NE(bytes.find("fw:Other"), std::string::npos) << bytes;
    // The wiki converter first (a header line keeps its own line end, a changed line gets "<br/>"), hard breaks,
    // then sundown.
    EXPECT_EQ(bytes,
              head +
                  "<h1>Title</h1>\n\n<p>first line<br>\nsecond <a class='fwClass' href=\"fw:Other%20Note\">Other "
                  "Note</a> line<br/></p>\n</body></html>\n");
    char title[64] = {};
    GetWindowTextA(hwnd, title, sizeof(title));
    EXPECT_STREQ(title, "a.md");
    EXPECT_TRUE(pw::WebPageShown());
    EXPECT_TRUE(pw::ShownPageUsesStyleSheet());
}

TEST_F(WebViewTest, AMissingStyleSheetDropsTheLinkElement)
{
    WriteFile(Note("w.wki"), "one\ntwo\n");
    StartOn("w.wki");
    pw::RenderView();
    const std::string bytes = ReadFile(pw::ShownPageAddress());
    EXPECT_EQ(bytes.find("<link"), std::string::npos) << bytes;
    EXPECT_EQ(bytes, "<html>\n<head>\n<title>w.wki</title>\n<base href=\"file://" + notes +
                         "\\\">\n</head><body>\none<br/>\ntwo<br/>\n</body></html>\n");
}

TEST_F(WebViewTest, OtherFilesAreShownDirectlyAndMissingOnesNotAtAll)
{
    WriteFile(Note("page.html"), "<p>x</p>");
    StartOn("page.html");
    pw::RenderView();
    EXPECT_EQ(pw::ShownPageKind(), pw::PageKind::ShownDirectly);
    EXPECT_EQ(pw::ShownPageAddress(), Note("page.html"));
    EXPECT_FALSE(pw::ShownPageUsesStyleSheet());

    pw::CurrentPlace().file = "gone.md";
    pw::RenderView();
    EXPECT_EQ(pw::ShownPageAddress(), Note("page.html"));
}

TEST_F(WebViewTest, ImagePageUsesTheSizedTemplateWithTheDefaultSheet)
{
    WriteFile(InFolder("support\\markup.css"), "body{}");
    WriteFile(Note("pic.png"), "png");
    StartOn("pic.png");
    pw::ResizePane(pw::Main().panes.browser, 400, 300);
    pw::RenderView();
    EXPECT_EQ(pw::ShownPageKind(), pw::PageKind::ImagePage);
    EXPECT_EQ(pw::ShownPageAddress(), InFolder("temp.html"));
    // The image may be as wide as the pane less the pad, the scroll bar and 5.
    const std::string w = std::to_string(400 - 5 - GetSystemMetrics(SM_CXVSCROLL) - 5);
    EXPECT_EQ(ReadFile(InFolder("temp.html")),
              "<html><head><title>image</title><style> img{width: expression(this.width > " + w + " ? " + w +
                  ": true);} table {position:absolute; top:5px; left:5px;}</style></head><body><table border='0' "
                  "cellpadding='0' cellspacing='0' width='" +
                  w + "'><td width='100%' align='center'><img src='" + Note("pic.png") +
                  "'></td></table></body></html>");
}

TEST_F(WebViewTest, ImagePageTakesTheHeadWithAnotherSheet)
{
    WriteFile(InFolder("support\\dark.css"), "body{}");
    WriteFile(Note("pic.jpg"), "jpg");
    StartOn("pic.jpg");
    pw::SetStyleSheet("dark.css");
    pw::RenderView();
    const std::string bytes = ReadFile(InFolder("temp.html"));
    EXPECT_EQ(bytes.rfind("<html>\n<head>\n<title>pic.jpg</title>\n", 0), 0u) << bytes;
    EXPECT_NE(bytes.find("dark.css"), std::string::npos);
    EXPECT_NE(bytes.find("<table id='imgtable'><td><img src='" + Note("pic.jpg") + "'></td></table></body></html>"),
              std::string::npos);
}

TEST_F(WebViewTest, AnImagePageThatCannotBeWrittenIsReported)
{
    MakeFolder(InFolder("temp.html"));  // a folder where the page should go
    WriteFile(Note("pic.gif"), "gif");
    StartOn("pic.gif");
    pw::RenderView();
    EXPECT_EQ(pw::LastStatusText(), "Error writing temp file");
    EXPECT_NE(pw::ShownPageKind(), pw::PageKind::ImagePage);
}

TEST_F(WebViewTest, BlankViewHidesThePane)
{
    WriteFile(Note("a.md"), "x\n");
    StartOn("a.md");
    pw::RenderView();
    EXPECT_TRUE(IsWindowVisible(pw::Main().panes.browser));
    pw::BlankView();
    EXPECT_FALSE(IsWindowVisible(pw::Main().panes.browser));
    EXPECT_FALSE(pw::WebPageShown());
}

TEST_F(WebViewTest, StyleSheetMenuListsTheSheetsAndChoosesOne)
{
    for (const char* name : {"a.css", "markup.css", "z.css"}) WriteFile(InFolder(std::string("support\\") + name), "");
    WriteFile(InFolder("support\\notes.txt"), "");
    WriteIni("[General]\r\nSaveCSSOnChange=1\r\nMarkupCSS=markup.css\r\n");
    WriteFile(Note("a.md"), "x\n");
    StartOn("a.md");
    // The file system's own order, as the test lists it: the menu keeps it.
    std::vector<std::string> listed;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(InFolder("support\\*.css").c_str(), &found);
    ASSERT_NE(search, INVALID_HANDLE_VALUE);
    do listed.push_back(found.cFileName);
    while (FindNextFileA(search, &found));
    FindClose(search);
    std::vector<std::string> sorted = listed;
    std::sort(sorted.begin(), sorted.end());
    ASSERT_EQ(sorted, (std::vector<std::string>{"a.css", "markup.css", "z.css"}));
    EXPECT_EQ(pw::ListStyleSheets(), listed);

    HMENU menu = CreatePopupMenu();
    AppendMenuA(menu, MF_STRING, 1, "old");
    pw::FillStyleSheetMenu(menu);
    ASSERT_EQ(GetMenuItemCount(menu), 3);
    std::vector<std::string> sheets;
    for (int i = 0; i < 3; ++i) {
        char text[64] = {};
        GetMenuStringA(menu, i, text, sizeof(text), MF_BYPOSITION);
        sheets.push_back(text);
        EXPECT_EQ(GetMenuItemID(menu, i), static_cast<UINT>(CMD_CSS_FIRST + i));
        const bool checked = GetMenuState(menu, i, MF_BYPOSITION) & MF_CHECKED;
        EXPECT_EQ(checked, std::string(text) == "markup.css") << text;
    }
    EXPECT_EQ(sheets, listed);
    DestroyMenu(menu);

    const int zIndex = sheets[0] == "z.css" ? 0 : sheets[1] == "z.css" ? 1 : 2;
    pw::ChooseStyleSheet(CMD_CSS_FIRST + zIndex);
    EXPECT_EQ(pw::CurrentStyleSheet(), "z.css");
    EXPECT_NE(ReadFile(IniPath()).find("MarkupCSS=z.css"), std::string::npos);
    EXPECT_NE(ReadFile(pw::ShownPageAddress()).find("z.css"), std::string::npos);
    pw::ChooseStyleSheet(CMD_CSS_FIRST + 3);  // no fourth sheet: nothing changes
    EXPECT_EQ(pw::CurrentStyleSheet(), "z.css");
}

TEST_F(WebViewTest, StyleSheetMenuHoldsAtMostTwentySheets)
{
    for (int i = 0; i < 25; ++i) WriteFile(InFolder("support\\s" + std::to_string(100 + i) + ".css"), "");
    StartOn("");
    HMENU menu = CreatePopupMenu();
    pw::FillStyleSheetMenu(menu);
    EXPECT_EQ(GetMenuItemCount(menu), 20);
    EXPECT_EQ(GetMenuItemID(menu, 19), static_cast<UINT>(CMD_CSS_LAST));
    DestroyMenu(menu);
}

// The position of the Tools menu item with that text; -1 when there is none.
int ToolsItem(HWND hwnd, const char* text)
{
    HMENU tools = GetSubMenu(GetMenu(hwnd), 1);
    for (int i = 0; i < GetMenuItemCount(tools); ++i) {
        char item[64] = {};
        GetMenuStringA(tools, i, item, sizeof(item), MF_BYPOSITION);
        if (std::string(item) == text) return i;
    }
    return -1;
}

bool ToolsItemChecked(HWND hwnd, int position)
{
    return GetMenuState(GetSubMenu(GetMenu(hwnd), 1), position, MF_BYPOSITION) & MF_CHECKED;
}

// "View Pagewick files" and the first "Select CSS" entry share the id 960: each keeps its own check mark.
TEST_F(WebViewTest, ViewingPagewickFilesLeavesTheStyleSheetMarkAlone)
{
    WriteFile(InFolder("support\\a.css"), "");
    WriteFile(Note("a.md"), "x\n");
    struct Case {
        const char* sheet;  // MarkupCSS
        bool firstEntryChecked;
    };
    const Case cases[] = {{"a.css", true}, {"other.css", false}};
    for (const Case& c : cases) {
        WriteIni(std::string("[General]\r\nFwHideFiles=0\r\nMenuViewPWFiles=0\r\nMarkupCSS=") + c.sheet + "\r\n");
        StartOn("a.md");
        pw::RenderView();
        pw::ShowViewerMenuItems(pw::kWebViewer);
        const int sheetsItem = ToolsItem(hwnd, "  Select CSS  ");
        const int filesItem = ToolsItem(hwnd, " View Pagewick files   ");
        ASSERT_GE(sheetsItem, 0) << c.sheet;
        ASSERT_GT(filesItem, sheetsItem) << c.sheet;
        HMENU sheets = GetSubMenu(GetSubMenu(GetMenu(hwnd), 1), sheetsItem);
        ASSERT_EQ(GetMenuItemID(sheets, 0), static_cast<UINT>(CMD_VIEW_PW_FILES));
        for (bool shown : {true, false}) {
            Command(CMD_VIEW_PW_FILES);
            EXPECT_EQ(ToolsItemChecked(hwnd, filesItem), shown) << c.sheet;
            EXPECT_EQ((GetMenuState(sheets, 0, MF_BYPOSITION) & MF_CHECKED) != 0, c.firstEntryChecked) << c.sheet;
        }
        Stop();
    }
}

// Which names the link handler asks the file list for, and which of them the list "has".
struct FakeList {
    std::vector<std::string> listed;
    std::vector<std::string> asked;
    std::vector<std::string> added;
    pw::FileListAccess Access()
    {
        pw::FileListAccess access;
        access.selectAndOpen = [this](const std::string& name) {
            asked.push_back(name);
            for (const std::string& item : listed)
                if (item == name) return true;
            return false;
        };
        access.addItem = [this](const std::string& name) {
            added.push_back(name);
            listed.push_back(name);
        };
        return access;
    }
};

TEST_F(WebViewTest, NoteLinkOpensTheFirstNameTheListHas)
{
    struct Case {
        std::string listed;
        std::vector<std::string> asked;
    };
    const Case cases[] = {
        {"My Note", {"My Note"}},
        {"My Note.wki", {"My Note", "My Note.wki"}},
        {"My Note.txt", {"My Note", "My Note.wki", "My Note.txt"}},
    };
    StartOn("");
    for (const Case& c : cases) {
        FakeList list;
        list.listed = {c.listed};
        pw::SetFileListAccess(list.Access());
        pw::SetClickedLink("fw:My%20Note");
        pw::HandleNoteLink();
        EXPECT_EQ(list.asked, c.asked) << c.listed;
        EXPECT_TRUE(list.added.empty());
    }
    EXPECT_FALSE(Exists(Note("My Note.wki")));
}

TEST_F(WebViewTest, NoteLinkCreatesAMissingNoteEmpty)
{
    StartOn("");
    FakeList list;
    pw::SetFileListAccess(list.Access());
    pw::SetClickedLink("fw:Plan:B?");
    pw::HandleNoteLink();
    EXPECT_TRUE(Exists(Note("Plan_B_.wki")));
    EXPECT_EQ(ReadFile(Note("Plan_B_.wki")), "");
    EXPECT_EQ(list.added, std::vector<std::string>{"Plan_B_.wki"});
    EXPECT_EQ(list.asked.back(), "Plan_B_.wki");
}

TEST_F(WebViewTest, NoteLinkKeepsAnUnlistedFileOfThatName)
{
    WriteFile(Note("Kept.wki"), "content");
    StartOn("");
    FakeList list;
    pw::SetFileListAccess(list.Access());
    pw::SetClickedLink("fw:Kept");
    pw::HandleNoteLink();
    EXPECT_EQ(ReadFile(Note("Kept.wki")), "content");
    EXPECT_EQ(list.added, std::vector<std::string>{"Kept.wki"});
}

TEST_F(WebViewTest, NoteLinkWithoutANameOrAFolderEscapeDoesNothingHarmful)
{
    StartOn("");
    FakeList list;
    pw::SetFileListAccess(list.Access());
    pw::SetClickedLink("fw:");
    pw::HandleNoteLink();
    EXPECT_TRUE(list.asked.empty());
    pw::SetClickedLink("fw:../outside");
    pw::HandleNoteLink();
    EXPECT_FALSE(Exists(InFolder("outside.wki")));
    EXPECT_TRUE(Exists(Note(".._outside.wki")));
}

// Wine's control keeps no history without a page engine: the history step and the titles the pane shows
// after it are supplied, everything after them runs for real.
TEST_F(WebViewTest, BackAndForwardSelectTheNoteTheLandedPageNamesAndThePlaceFollows)
{
    for (const char* name : {"a.md", "b.md", "c.md"}) WriteFile(Note(name), "x\n");
    WriteIni(
        "[General]\r\nRootAutoAddCDrive=0\r\nRootAutoAddMyDocuments=0\r\nRootAutoAddAmbervale=0\r\n"
        "[BasicRoots]\r\n" +
        notes + "=Notes;.md\r\n");
    ASSERT_TRUE(Start());
    Command(CMD_TOGGLE_MODE);  // Back and Forward belong to the web viewer
    ASSERT_TRUE(pw::SelectAndOpenFile("c.md"));
    ASSERT_EQ(pw::CurrentPlace().file, "c.md");
    ASSERT_EQ(pw::CurrentViewer(), pw::kWebViewer);
    struct Case {
        void (*step)();
        int command;
        std::vector<std::string> titles;  // the titles read while waiting, the landed page's last
        const char* opened;
    };
    const Case cases[] = {
        {pw::BrowserBack, pw::kBrowserBack, {"c.md", "a.md"}, "a.md"},
        {pw::BrowserForward, pw::kBrowserForward, {"a.md", "a.md", "b.md"}, "b.md"},
        {pw::BrowserBack, pw::kBrowserBack, {"b.md", "image"}, "b.md"},  // the image page names no entry
    };
    for (const Case& c : cases) {
        std::vector<int> commands;
        pw::SetHistoryCommand([&](HWND pane, int command) {
            EXPECT_EQ(pane, pw::Main().panes.browser);
            commands.push_back(command);
            return true;
        });
        std::size_t next = 0;
        pw::TitleWait wait;
        wait.stepMs = 0;
        wait.pump = [](int) { return true; };
        wait.readTitle = [&](HWND) { return c.titles[std::min(next++, c.titles.size() - 1)]; };
        pw::SetTitleWait(wait);
        c.step();
        EXPECT_EQ(commands, std::vector<int>{c.command}) << c.opened;
        EXPECT_EQ(next, c.titles.size()) << c.opened;
        EXPECT_EQ(pw::SelectedFileName(), c.opened);
        EXPECT_EQ(pw::CurrentPlace().file, c.opened);
        EXPECT_EQ(pw::CurrentViewer(), pw::kWebViewer) << "the landed page stays as it is";
    }
}

TEST_F(WebViewTest, ARefusedHistoryStepWaitsForNoTitle)
{
    WriteFile(Note("a.md"), "x\n");
    StartOn("a.md");
    int readings = 0;
    pw::TitleWait wait;
    wait.stepMs = 0;
    wait.pump = [](int) { return true; };
    wait.readTitle = [&](HWND) { return ++readings, std::string("a.md"); };
    pw::SetTitleWait(wait);
    pw::SetHistoryCommand([](HWND, int) { return false; });  // no page to go back to
    pw::BrowserBack();
    pw::BrowserForward();
    EXPECT_EQ(readings, 0);
}

}  // namespace
}  // namespace pwtest
