// Back and the recent notes on the real main window: what is restored, and the File menu.
#include <windows.h>

#include <string>
#include <vector>

#include "gui_harness.h"
#include "library/win/folder_pane.h"
#include "library/win/history.h"
#include "library/win/library_state.h"
#include "library/win/list_view.h"
#include "library/win/root_list.h"
#include "notes/win/document.h"
#include "shell/ids.h"
#include "shell/win/main_window.h"

namespace pwtest {
namespace {

class HistoryTest : public PagewickTest {
protected:
    // Notes\{a.txt, b.txt, c.txt, n0.txt..., Work\w.txt} and Other\o.txt, two roots.
    void StartLibrary(const std::string& general = "", int numbered = 0)
    {
        notes = InFolder("Notes");
        other = InFolder("Other");
        MakeFolder(notes);
        MakeFolder(notes + "\\Work");
        MakeFolder(other);
        for (const char* name : {"a.txt", "b.txt", "c.txt"})
            WriteFile(notes + "\\" + name, std::string("note ") + name);
        WriteFile(notes + "\\Work\\w.txt", "note w.txt");
        WriteFile(other + "\\o.txt", "note o.txt");
        for (int i = 0; i < numbered; ++i) WriteFile(notes + "\\n" + std::to_string(i) + ".txt", "x");
        WriteIni(
            "[General]\r\nRootAutoAddCDrive=0\r\nRootAutoAddMyDocuments=0\r\nRootAutoAddAmbervale=0\r\n"
            "BackInsteadOfNew=1\r\n" +
            general + "[BasicRoots]\r\n" + notes + "=Notes\r\n" + other + "=Other\r\n");
        ASSERT_TRUE(Start());
    }

    std::string OpenFile() const { return pw::CurrentPlace().file; }
    std::string EditorText() const { return TextOf(pw::ActiveEditor()); }

    void Back()
    {
        Command(CMD_BACK_KEY);
        Pump();
    }

    void SwitchRoot(const std::string& alias)
    {
        SetWindowTextA(pw::Main().panes.roots, alias.c_str());
        pw::SelectRootFromList(true);
        Pump();
    }

    // The File menu's items from the first recent note to Exit: text and command.
    std::vector<std::pair<std::string, int>> RecentItems()
    {
        HMENU file = GetSubMenu(GetMenu(hwnd), 0);
        std::vector<std::pair<std::string, int>> items;
        bool inRecent = false;
        for (int i = 0; i < GetMenuItemCount(file); ++i) {
            const int id = static_cast<int>(GetMenuItemID(file, i));
            if (id == CMD_EXIT) break;
            if (id == CMD_SLOT_FIRST) inRecent = true;
            if (!inRecent) continue;
            char text[300] = {};
            GetMenuStringA(file, static_cast<UINT>(i), text, sizeof(text), MF_BYPOSITION);
            items.push_back({text, id});
        }
        return items;
    }

    std::string notes, other;
};

using Items = std::vector<std::pair<std::string, int>>;

TEST_F(HistoryTest, BackReturnsThroughTheFilesLeftAndStopsWhenEmpty)
{
    StartLibrary();
    Back();  // nothing to go back to
    EXPECT_EQ(OpenFile(), "");
    for (const char* name : {"a.txt", "b.txt", "c.txt"}) ClickFile(name);
    Back();
    EXPECT_EQ(OpenFile(), "b.txt");
    EXPECT_EQ(EditorText(), "note b.txt");
    Back();
    EXPECT_EQ(OpenFile(), "a.txt");
    EXPECT_EQ(EditorText(), "note a.txt");
    EXPECT_TRUE(pw::BackEntries().Entries().empty());
    Back();
    EXPECT_EQ(OpenFile(), "a.txt");
}

TEST_F(HistoryTest, BackSavesTheNoteItLeaves)
{
    StartLibrary();
    ClickFile("a.txt");
    ClickFile("b.txt");
    HWND editor = pw::ActiveEditor();
    SendMessageA(editor, EM_SETSEL, 0, -1);
    SendMessageA(editor, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("changed"));
    pw::OnEditorChanged();
    Back();
    EXPECT_EQ(OpenFile(), "a.txt");
    EXPECT_EQ(ReadFile(notes + "\\b.txt"), "changed");
}

TEST_F(HistoryTest, ThirtyChangesLeaveTheNewest22Places)
{
    StartLibrary();
    const char* names[] = {"a.txt", "b.txt", "c.txt"};
    for (int i = 0; i <= 30; ++i) ClickFile(names[i % 3]);
    EXPECT_EQ(pw::BackEntries().Entries().size(), 22u);
    EXPECT_EQ(pw::BackEntries().Entries().back().file, "c.txt");  // the place left by the last click
}

TEST_F(HistoryTest, TheSameFileTwiceIsPushedOnceAndTheLogSaysSo)
{
    StartLibrary("LogBack=1\r\n");
    ClickFile("a.txt");
    ClickFile("a.txt");
    ClickFile("b.txt");
    Back();
    const std::string log = ReadFile(InFolder("LogFile.log"));
    const std::string fields = "'" + notes + "' path:'" + notes + "' folder:'' file:'a.txt'";
    EXPECT_NE(log.find(" PUSH root:" + fields), std::string::npos) << log;
    EXPECT_NE(log.find(" PUSH root LAST ROOT (not added again):" + fields), std::string::npos) << log;
    EXPECT_NE(log.find(" POP root:" + fields), std::string::npos) << log;
    EXPECT_EQ(OpenFile(), "a.txt");
    EXPECT_TRUE(pw::BackEntries().Entries().empty());
}

TEST_F(HistoryTest, RecentNotesGoBeforeExitNewestFirst)
{
    StartLibrary();
    EXPECT_TRUE(RecentItems().empty());
    for (const char* name : {"a.txt", "b.txt", "c.txt", "a.txt"}) ClickFile(name);
    // a.txt, left first, keeps its place when it is left again.
    EXPECT_EQ(RecentItems(), (Items{{"c.txt", 6001}, {"b.txt", 6002}, {"a.txt", 6003}, {"", CMD_RECENT_SEPARATOR}}));
}

TEST_F(HistoryTest, TheEleventhRecentNoteDropsTheOldest)
{
    StartLibrary("", 11);
    for (int i = 0; i < 11; ++i) ClickFile("n" + std::to_string(i) + ".txt");
    ClickFile("a.txt");  // leaves n10.txt, the eleventh
    const Items items = RecentItems();
    ASSERT_EQ(items.size(), 11u);  // ten notes and the separator
    EXPECT_EQ(items.front(), (std::pair<std::string, int>{"n10.txt", 6001}));
    EXPECT_EQ(items[9], (std::pair<std::string, int>{"n1.txt", 6010}));
}

// Changing the folder or the root closes the note without a push; the recent notes reach across roots and
// push the place they leave, so Back crosses roots too.
TEST_F(HistoryTest, RecentNotesAndBackRestoreRootFolderAndFile)
{
    StartLibrary();
    SelectFolder("Work");
    ClickFile("w.txt");
    SwitchRoot("Other");
    ClickFile("o.txt");
    SwitchRoot("Notes");
    ClickFile("a.txt");
    ASSERT_EQ(RecentItems(), (Items{{"o.txt", 6001}, {"w.txt", 6002}, {"", CMD_RECENT_SEPARATOR}}));

    Command(6002);
    Pump();
    EXPECT_EQ(OpenFile(), "w.txt");
    EXPECT_EQ(SelectedIn(pw::Main().panes.folders), "Work");
    // Leaving a.txt put it at the top: o.txt is now the second.
    ASSERT_EQ(RecentItems()[1], (std::pair<std::string, int>{"o.txt", 6002}));
    Command(6002);
    Pump();
    EXPECT_EQ(pw::CurrentPlace().alias, "Other");
    EXPECT_EQ(OpenFile(), "o.txt");
    EXPECT_EQ(EditorText(), "note o.txt");

    Back();
    EXPECT_EQ(pw::CurrentPlace().alias, "Notes");
    EXPECT_EQ(TextOf(pw::Main().panes.roots), "Notes");
    EXPECT_EQ(SelectedIn(pw::Main().panes.folders), "Work");
    EXPECT_EQ(OpenFile(), "w.txt");
    EXPECT_EQ(EditorText(), "note w.txt");
    Back();
    EXPECT_EQ(SelectedIn(pw::Main().panes.folders), "");
    EXPECT_EQ(OpenFile(), "a.txt");
    EXPECT_EQ(EditorText(), "note a.txt");
}

}  // namespace
}  // namespace pwtest
