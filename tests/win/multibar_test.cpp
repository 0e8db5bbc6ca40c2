// The Multibar on the real main window: typed lines run with Enter and Ctrl+Enter, the document and folder
// searches with Find Next, keywords from the Multibar and the Keywords dialog, names that open or create files,
// web addresses, and the Multibar's context menu.
#include <windows.h>

#include <string>
#include <vector>

#include "sheet/win/sheet_document.h"
#include "sheet/win/sheet_state.h"
#include "gui_harness.h"
#include "library/win/library_state.h"
#include "multibar/dialog_ids.h"
#include "multibar/search_text.h"
#include "multibar/win/keyword_search.h"
#include "multibar/win/keywords_dialog.h"
#include "multibar/win/multibar_commands.h"
#include "multibar/win/multibar_state.h"
#include "notes/win/document.h"
#include "render/win/browser_pane.h"
#include "render/win/web_view.h"
#include "settings/win/messages.h"
#include "shell/ids.h"
#include "shell/win/main_window.h"

namespace pwtest {
namespace {

class MultibarTest : public PagewickTest {
protected:
    // A root "Notes" over a folder of the test's own with the files given, listed by name.
    void StartLibrary(const std::vector<std::pair<std::string, std::string>>& files, const std::string& general = "",
                      const std::string& extension = ".txt")
    {
        notes = InFolder("Notes");
        MakeFolder(notes);
        for (const auto& [name, bytes] : files) WriteFile(Note(name), bytes);
        WriteIni("[General]\r\nRootAutoAddCDrive=0\r\nRootAutoAddMyDocuments=0\r\nRootAutoAddAmbervale=0\r\n" +
                 general + "\r\n[BasicRoots]\r\n" + notes + "=Notes;" + extension + "\r\n");
        ASSERT_TRUE(Start());
        // The browser pane never waits for a page title here.
        pw::TitleWait wait;
        wait.maxReadings = 1;
        wait.stepMs = 0;
        pw::SetTitleWait(wait);
    }

    std::string Note(const std::string& name) const { return notes + "\\" + name; }

    HWND Bar() const { return pw::Main().panes.multibar; }

    // Types the line into the Multibar and presses Enter (or Ctrl+Enter).
    void Run(const std::string& line, bool ctrl = false)
    {
        SetWindowTextA(Bar(), line.c_str());
        SetFocus(Bar());
        Command(ctrl ? CMD_MULTIBAR_SECOND : CMD_ENTER);
        Pump();
    }

    void F3()
    {
        Command(CMD_FIND_NEXT);
        Pump();
    }

    // The open file and the editor's selection, as "name from-to".
    std::string Where()
    {
        DWORD from = 0;
        DWORD to = 0;
        SendMessageA(pw::ActiveEditor(), EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
        return pw::CurrentPlace().file + " " + std::to_string(from) + "-" + std::to_string(to);
    }

    std::string notes;
};

TEST_F(MultibarTest, TheSearchMatchesTheSystemsUpperCaseForEveryByte)
{
    StartLibrary({});
    const pw::UpperTable& upper = pw::SystemUpperTable();
    auto systemUpper = [](std::string s) {
        CharUpperBuffA(s.data(), static_cast<DWORD>(s.size()));
        return s;
    };
    for (int a = 1; a < 256; ++a) {
        for (int b = 1; b < 256; ++b) {
            const std::string text(1, static_cast<char>(a));
            const std::string term(1, static_cast<char>(b));
            const bool same = systemUpper(text) == systemUpper(term);
            ASSERT_EQ(pw::ContainsNoCase(text, term, upper) == 0, same) << a << " " << b;
        }
    }
    // Whole texts converted at once agree with the byte-by-byte search.
    std::string all;
    for (int c = 1; c < 256; ++c) all += static_cast<char>(c);
    const std::string upperAll = systemUpper(all);
    for (int c = 1; c < 255; ++c) {
        const std::string term = all.substr(c - 1, 2);
        EXPECT_EQ(pw::ContainsNoCase(all, term, upper), static_cast<std::ptrdiff_t>(upperAll.find(systemUpper(term))))
            << c;
    }
}

TEST_F(MultibarTest, FolderSearchWalksTheFilesWithFindNextToTheEndAndPast)
{
    StartLibrary({{"a.txt", "one apple"},
                  {"apple-pie.txt", "no fruit"},
                  {"b.txt", "nothing"},
                  {"c.txt", "APPLE and Apple"},
                  {"d.png", "apple"}});
    Run("?d apple");
    EXPECT_EQ(Where(), "a.txt 4-9");
    EXPECT_EQ(TextOf(Bar()), "");  // opening a note empties the Multibar: F3 keeps the term
    F3();                          // nothing more in a.txt: the name hit comes next
    EXPECT_EQ(Where(), "apple-pie.txt 0-0");
    F3();  // a name hit that holds no more goes on: F3 never stays on one file
    EXPECT_EQ(Where(), "c.txt 0-5");
    F3();
    EXPECT_EQ(Where(), "c.txt 10-15");
    F3();  // the image is never read
    EXPECT_EQ(pw::LastStatusText(), "Search term not found");
    EXPECT_EQ(pw::CurrentPlace().file, "c.txt");
    pw::StatusText("");
    F3();
    EXPECT_EQ(pw::LastStatusText(), "Search term not found");
    EXPECT_EQ(pw::CurrentPlace().file, "c.txt");
    Run("?DApple");  // a new search starts again at the first file
    EXPECT_EQ(Where(), "a.txt 4-9");
}

TEST_F(MultibarTest, WithoutNameHitsAFileIsFoundByItsContentOnly)
{
    StartLibrary({{"apple-pie.txt", "no fruit"}, {"b.txt", "apple"}}, "DirectorySearchCheckFilename=0");
    Run("?d apple");
    EXPECT_EQ(Where(), "b.txt 0-5");
    F3();
    EXPECT_EQ(pw::LastStatusText(), "Search term not found");
}

TEST_F(MultibarTest, AFileThatCannotBeReadIsNoHitAndNoBox)
{
    StartLibrary({{"a.txt", "apple"}, {"b.txt", "nothing"}, {"c.txt", "apple"}});
    // Held open without sharing by another writer: the search cannot read it.
    HANDLE held =
        CreateFileA(Note("a.txt").c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    Run("?d apple");
    CloseHandle(held);
    EXPECT_EQ(Where(), "c.txt 0-5");
    EXPECT_TRUE(boxes.empty());
}

TEST_F(MultibarTest, AFolderSearchLeavesViewModeAndAMissSaysSo)
{
    StartLibrary({{"a.txt", "x"}, {"b.wki", "y"}});
    Command(CMD_TOGGLE_MODE);
    ASSERT_EQ(pw::Main().mode, pw::ViewMode::View);
    Run("?d y");
    EXPECT_EQ(pw::Main().mode, pw::ViewMode::Edit);
    EXPECT_EQ(Where(), "b.wki 0-1");
    Run("?d zebra");
    EXPECT_EQ(pw::LastStatusText(), "Search term not found");
}

TEST_F(MultibarTest, DocumentSearchSelectsEachMatchThenMissesOnceAndStartsAgain)
{
    StartLibrary({{"a.txt", "apple Apple APPLE"}});
    ClickFile("a.txt");
    Run("? APPLE");
    EXPECT_EQ(Where(), "a.txt 0-5");
    F3();
    EXPECT_EQ(Where(), "a.txt 6-11");
    F3();
    EXPECT_EQ(Where(), "a.txt 12-17");
    pw::StatusText("");
    F3();
    EXPECT_EQ(pw::LastStatusText(), "Search term not found");
    F3();
    EXPECT_EQ(Where(), "a.txt 0-5");
    // A "?" line that finds nothing says nothing.
    pw::StatusText("");
    Run("?zebra");
    EXPECT_EQ(pw::LastStatusText(), "");
}

TEST_F(MultibarTest, AModifiedNoteIsSavedSafelyByTheFirstSearch)
{
    StartLibrary({{"a.txt", "first"}});
    ClickFile("a.txt");
    TypeAtEndOfNote(" pear");
    ASSERT_TRUE(pw::NoteModified());
    Run("?pear");
    EXPECT_EQ(ReadFile(Note("a.txt")), "first pear");
    EXPECT_FALSE(pw::NoteModified());
    EXPECT_EQ(Where(), "a.txt 6-10");
    // Changed by another program meanwhile: the normal save asks, and "No" keeps the other version on disk
    // with our text beside it; the search never writes over the file unseen.
    TypeAtEndOfNote(" plum");
    WriteFile(Note("a.txt"), "their text");
    boxAnswer = IDNO;
    Run("?plum");
    EXPECT_FALSE(boxes.empty());
    EXPECT_EQ(ReadFile(Note("a.txt")), "their text");
}

TEST_F(MultibarTest, KeywordsAreAddedFoundAndCleared)
{
    StartLibrary({{"a.txt", "a"}, {"b.txt", "b"}, {"c.txt", "c"}});
    ClickFile("a.txt");
    Run("kw urgent");
    EXPECT_EQ(pw::LastStatusText(), "Added keyword 'urgent' to list");
    EXPECT_EQ(TextOf(Bar()), "");
    EXPECT_NE(ReadFile(Note("a.txt.fw")).find("keywords=urgent"), std::string::npos);
    EXPECT_NE(ReadFile(IniPath()).find("[keywords]\r\nurgent="), std::string::npos);
    Run("kw Urgent");
    EXPECT_EQ(pw::LastStatusText(), "Keyword 'Urgent' already in list");
    Run("kwhome");  // the third character is always skipped
    EXPECT_EQ(pw::LastStatusText(), "Added keyword 'ome' to list");
    EXPECT_NE(ReadFile(Note("a.txt.fw")).find("keywords=urgent,ome"), std::string::npos);
    ClickFile("c.txt");
    Run("kw URGENT");

    Run("?k urgent");
    EXPECT_EQ(pw::CurrentPlace().file, "a.txt");
    F3();
    EXPECT_EQ(pw::CurrentPlace().file, "c.txt");
    F3();
    EXPECT_EQ(pw::LastStatusText(), "Keyword 'urgent' not found");

    ClickFile("a.txt");
    Run("kw");
    EXPECT_NE(ReadFile(Note("a.txt.fw")).find("keywords=\r\n"), std::string::npos);
    Run("?k ome");
    EXPECT_EQ(pw::LastStatusText(), "Keyword 'ome' not found");
}

TEST_F(MultibarTest, AKeywordWithLineBreaksStaysOneValueOfTheInfoFile)
{
    StartLibrary({{"a.txt", "a"}});
    ClickFile("a.txt");
    // Straight to the keyword code: the one-line edit control may drop line breaks before it.
    pw::AddKeywordFromMultibar("kw x\r\n[General]\r\nFileName=elsewhere");
    const std::string info = ReadFile(Note("a.txt.fw"));
    EXPECT_EQ(info.find("\nFileName="), std::string::npos) << info;
    EXPECT_EQ(info.find("\n[General]", 1), std::string::npos) << info;
    EXPECT_EQ(ReadFile(IniPath()).find("\nFileName="), std::string::npos);
    EXPECT_NE(info.find("keywords=x  [General]  FileName=elsewhere"), std::string::npos) << info;
}

TEST_F(MultibarTest, AKeywordWithoutKnownKeywordsStaysInTheFileAlone)
{
    StartLibrary({{"a.txt", "a"}}, "KeywordsAutoAdd=0");
    ClickFile("a.txt");
    Run("kw urgent");
    EXPECT_NE(ReadFile(Note("a.txt.fw")).find("keywords=urgent"), std::string::npos);
    EXPECT_EQ(ReadFile(IniPath()).find("[keywords]"), std::string::npos);
}

TEST_F(MultibarTest, TheKeywordsDialogAddsDeletesAndStoresOnOkOnly)
{
    StartLibrary({{"a.txt", "a"}});
    WriteFile(Note("a.txt.fw"), "[General]\r\nkeywords=beta,alpha\r\n");
    ClickFile("a.txt");
    std::vector<std::string> listed;
    std::string title;
    auto items = [](HWND dialog) {
        std::vector<std::string> out;
        HWND list = GetDlgItem(dialog, IDC_KEYWORD_LIST);
        for (int i = 0; i < SendMessageA(list, LB_GETCOUNT, 0, 0); ++i) {
            char text[300] = {};
            SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
            out.push_back(text);
        }
        return out;
    };
    pw::SetKeywordsDialogDriver([&](HWND dialog) {
        title = TextOf(dialog);
        listed = items(dialog);
        SetDlgItemTextA(dialog, IDC_KEYWORD_BOX, "gamma");
        SendMessageA(dialog, WM_COMMAND, IDC_KEYWORD_ADD, 0);
        SendMessageA(dialog, WM_COMMAND, IDC_KEYWORD_ADD, 0);  // twice: listed twice
        SetDlgItemTextA(dialog, IDC_KEYWORD_BOX, "ALPHA");     // already stored: nothing
        SendMessageA(dialog, WM_COMMAND, IDC_KEYWORD_ADD, 0);
        SendDlgItemMessageA(dialog, IDC_KEYWORD_LIST, LB_SETCURSEL, 1, 0);  // "beta"
        SendMessageA(dialog, WM_COMMAND, IDC_KEYWORD_DELETE, 0);
        SendMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
    Command(CMD_KEYWORDS);
    Pump();
    EXPECT_EQ(title, "Keywords for a.txt");
    EXPECT_EQ(listed, (std::vector<std::string>{"alpha", "beta"}));
    EXPECT_NE(ReadFile(Note("a.txt.fw")).find("keywords=alpha,gamma,gamma\r\n"), std::string::npos);
    EXPECT_NE(ReadFile(IniPath()).find("gamma="), std::string::npos);

    // Escape leaves without storing.
    pw::SetKeywordsDialogDriver([&](HWND dialog) {
        SendDlgItemMessageA(dialog, IDC_KEYWORD_LIST, LB_SETCURSEL, 0, 0);
        SendMessageA(dialog, WM_COMMAND, IDC_KEYWORD_DELETE, 0);
        SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    });
    Command(CMD_FILE_KEYWORDS);  // for the file list's selection
    Pump();
    EXPECT_NE(ReadFile(Note("a.txt.fw")).find("keywords=alpha,gamma,gamma\r\n"), std::string::npos);
}

TEST_F(MultibarTest, ATypedNameOpensTheFileOrCreatesANoteOrASheet)
{
    StartLibrary({{"a.txt", "a"}, {"Plan.md", "p"}}, "", ".md");
    Run("plan");  // the name with the root's note extension
    EXPECT_EQ(pw::CurrentPlace().file, "Plan.md");
    Run("a.txt");
    EXPECT_EQ(pw::CurrentPlace().file, "a.txt");
    EXPECT_EQ(TextOf(pw::ActiveEditor()), "a");

    Run("shopping list");
    EXPECT_TRUE(Exists(Note("shopping list.md")));
    EXPECT_EQ(pw::CurrentPlace().file, "shopping list.md");
    EXPECT_EQ(TextOf(Bar()), "");
    EXPECT_TRUE(IsWindowEnabled(pw::ActiveEditor()));

    Run("www.x.org", true);  // Ctrl+Enter: a name, not an address
    EXPECT_TRUE(Exists(Note("www.x.org.md")));
    EXPECT_EQ(pw::CurrentViewer(), pw::kTextViewer);

    Run("Budget.CSV");
    ASSERT_TRUE(Exists(Note("Budget.csv")));
    const std::string row = "\"\",\"\",\"\",\"\",\"\"\r\n";
    EXPECT_EQ(ReadFile(Note("Budget.csv")), row + row + row + row + row);
    EXPECT_EQ(pw::CurrentPlace().file, "Budget.csv");
    EXPECT_TRUE(pw::SheetOpen());
    EXPECT_EQ(pw::SheetArea().cursorLine, 0);
    EXPECT_EQ(pw::SheetArea().cursorColumn, 1);
    // The empty sheet holds nothing to find.
    Run("? x");
    EXPECT_EQ(pw::CurrentPlace().file, "Budget.csv");
}

TEST_F(MultibarTest, AnExistingFileIsNeverReplacedByANewNote)
{
    StartLibrary({{"a.txt", "a"}});
    WriteFile(Note("hidden.txt.fw"), "kept");  // info files are not listed
    Run("hidden.txt.fw");
    EXPECT_EQ(pw::LastStatusText(), "File exists");
    EXPECT_EQ(ReadFile(Note("hidden.txt.fw")), "kept");
}

TEST_F(MultibarTest, WebAddressesAndSearchesGoToTheBrowserPane)
{
    StartLibrary({{"a.txt", "a"}});
    ClickFile("a.txt");
    TypeAtEndOfNote(" more");
    Run("www.example.org");
    EXPECT_EQ(ReadFile(Note("a.txt")), "a more");  // the note was put away first
    EXPECT_EQ(pw::CurrentViewer(), pw::kWebViewer);
    EXPECT_EQ(pw::ShownPageAddress(), "www.example.org");
    EXPECT_EQ(pw::CurrentPlace().file, "");
    EXPECT_EQ(TextOf(Bar()), "");
    Run("??? red apples+pears");
    EXPECT_EQ(pw::ShownPageAddress(), "http://www.bing.com/search?q=+red+apples%2Bpears");
}

TEST_F(MultibarTest, TheContextMenuOffersThePrefixesWithTheirStates)
{
    StartLibrary({{"a.txt", "a"}, {"d.png", "png"}});
    ClickFile("a.txt");
    struct Item {
        std::string label;
        UINT id;
        bool enabled;
    };
    std::vector<Item> items;
    int answer = 37890;
    pw::SetContextMenuTracker([&](HMENU menu, POINT, HWND) {
        items.clear();
        for (int i = 0; i < GetMenuItemCount(menu); ++i) {
            char text[80] = {};
            GetMenuStringA(menu, i, text, sizeof(text), MF_BYPOSITION);
            const UINT state = GetMenuState(menu, i, MF_BYPOSITION);
            items.push_back({text, GetMenuItemID(menu, i), !(state & (MF_GRAYED | MF_DISABLED))});
        }
        return answer;
    });
    SetWindowTextA(Bar(), "old");
    SendMessageA(Bar(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(Bar()), MAKELPARAM(5, 5));
    Pump();
    const std::vector<std::string> labels = {"    Cut   ",
                                             "    Copy   ",
                                             "    Paste   ",
                                             "",
                                             "    Search document\t   ?   ",
                                             "    Search directory\t   ?d   ",
                                             "",
                                             "    Search for keyword\t   ?k   ",
                                             "    Add keyword\t   kw   ",
                                             "",
                                             "    Search with Bing\t   ???   ",
                                             "    Browse URL\t   http://   ",
                                             "",
                                             "    Paste current date\t   [F5]   "};
    const std::vector<UINT> ids = {768, 769, 770, 0, 37889, 37890, 0, 37891, 37892, 0, 37893, 37894, 0, 37895};
    ASSERT_EQ(items.size(), labels.size());
    for (std::size_t i = 0; i < items.size(); ++i) {
        EXPECT_EQ(items[i].label, labels[i]) << i;
        EXPECT_EQ(items[i].id, ids[i]) << i;
    }
    EXPECT_FALSE(items[0].enabled);  // no selection
    EXPECT_TRUE(items[4].enabled);   // a text note is searchable
    EXPECT_FALSE(items[8].enabled);  // the text pane is current
    EXPECT_TRUE(items[5].enabled);
    EXPECT_EQ(TextOf(Bar()), "?d ");
    EXPECT_EQ(GetFocus(), Bar());

    ClickFile("d.png");
    SendMessageA(Bar(), EM_SETSEL, 0, 2);
    answer = 37894;
    SendMessageA(Bar(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(Bar()), MAKELPARAM(5, 5));
    Pump();
    EXPECT_TRUE(items[0].enabled);   // a selection
    EXPECT_FALSE(items[4].enabled);  // an image cannot be searched
    EXPECT_EQ(TextOf(Bar()), "http://");
}

}  // namespace
}  // namespace pwtest
