// New notes, templates, perpetual notes and Help on the real main window.
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "gui_harness.h"
#include "library/win/folder_pane.h"
#include "library/win/library_state.h"
#include "library/win/list_view.h"
#include "library/win/new_note.h"
#include "notes/win/document.h"
#include "settings/win/messages.h"
#include "shell/ids.h"
#include "shell/win/main_window.h"
#include "shell/win/toolbar.h"

namespace pwtest {
namespace {

class NewNoteTest : public PagewickTest {
protected:
    void SetUp() override
    {
        PagewickTest::SetUp();
        // 3:05 pm on 7 March 2026.
        pw::SetClockHook([] { return pw::CivilTime{2026, 3, 7, 15, 5, 0}; });
    }
    void TearDown() override
    {
        PagewickTest::TearDown();
        pw::SetClockHook(nullptr);
    }

    // A root "Notes" over Notes\{a.txt, work\} whose default extension is the one given.
    void StartLibrary(const std::string& extension = ".txt", const std::string& general = "")
    {
        notes = InFolder("Notes");
        MakeFolder(notes);
        MakeFolder(notes + "\\work");
        WriteFile(notes + "\\a.txt", "a");
        WriteIni("[General]\r\nRootAutoAddCDrive=0\r\nRootAutoAddMyDocuments=0\r\nRootAutoAddAmbervale=0\r\n" +
                 general + "\r\n[BasicRoots]\r\n" + notes + "=Notes;" + extension + "\r\n");
        ASSERT_TRUE(Start());
    }

    void SetMode(pw::ViewMode mode)
    {
        if (pw::Main().mode != mode) Command(CMD_TOGGLE_MODE);
        ASSERT_EQ(pw::Main().mode, mode);
    }

    bool ButtonEnabled(int id) { return SendMessageA(pw::Main().panes.toolbar, TB_ISBUTTONENABLED, id, 0) != 0; }

    std::string notes;
};

TEST_F(NewNoteTest, NewTakesTheFirstFreeNumberAndOpensTheNoteForTyping)
{
    StartLibrary();
    WriteFile(notes + "\\New Note.txt", "kept");
    WriteFile(notes + "\\New Note_1.txt", "kept too");
    ClickFile("a.txt");
    Command(CMD_NEW_NOTE);
    Pump();
    ASSERT_TRUE(Exists(notes + "\\New Note_2.txt"));
    EXPECT_EQ(ReadFile(notes + "\\New Note_2.txt"), "");
    EXPECT_EQ(ReadFile(notes + "\\New Note.txt"), "kept");
    EXPECT_EQ(pw::CurrentPlace().file, "New Note_2.txt");
    EXPECT_EQ(SelectedIn(pw::Main().panes.files), "New Note_2.txt");
    EXPECT_EQ(TextOf(hwnd), "New Note_2.txt");
    EXPECT_TRUE(IsWindowEnabled(pw::ActiveEditor()));
    EXPECT_EQ(pw::CurrentViewer(), pw::kTextViewer);
}

TEST_F(NewNoteTest, ARootWithMarkdownNotesMakesNewNoteMdAndTheKeySwitchesToEditMode)
{
    StartLibrary(".md");
    SetMode(pw::ViewMode::View);
    Command(CMD_NEW_NOTE_KEY);
    Pump();
    EXPECT_TRUE(Exists(notes + "\\New Note.md"));
    EXPECT_EQ(pw::CurrentPlace().file, "New Note.md");
    EXPECT_EQ(pw::Main().mode, pw::ViewMode::Edit);
    EXPECT_TRUE(IsWindowEnabled(pw::ActiveEditor()));
}

TEST_F(NewNoteTest, ATemplateGetsTheDateAndTimeOfTheClock)
{
    StartLibrary();
    WriteFile(notes + "\\template.fw", "Date: $notetemplatedate $notetemplatetime\r\nAgain: $notetemplatedate\r\n");
    Command(CMD_NEW_NOTE);
    Pump();
    EXPECT_EQ(ReadFile(notes + "\\New Note.txt"), "Date: 2026-03-07 03:05PM\r\nAgain: $notetemplatedate\r\n");
    EXPECT_EQ(pw::CurrentPlace().file, "New Note.txt");
    EXPECT_EQ(TextOf(pw::ActiveEditor()), "Date: 2026-03-07 03:05PM\r\nAgain: $notetemplatedate\r\n");
}

TEST_F(NewNoteTest, TheNoteFoldersTemplateAndFormatsWinOverTheRoots)
{
    StartLibrary();
    WriteFile(notes + "\\template.fw", "root $notetemplatedate");
    WriteFile(notes + "\\work\\template.fw", "work $notetemplatedate at $notetemplatetime");
    WriteFile(notes + "\\work\\pagewick.fw", "[General]\r\nNoteTemplateDate=d MMMM\r\nNoteTemplateTime=HH.mm\r\n");
    SelectFolder("work");
    Command(CMD_NEW_NOTE);
    Pump();
    EXPECT_EQ(ReadFile(notes + "\\work\\New Note.txt"), "work 7 March at 15.05");
    EXPECT_FALSE(Exists(notes + "\\New Note.txt"));
}

TEST_F(NewNoteTest, ANoteThatCannotBeMadeSaysSoAndOpensNothing)
{
    StartLibrary();
    SelectFolder("work");
    ASSERT_TRUE(RemoveDirectoryA((notes + "\\work").c_str()));
    Command(CMD_NEW_NOTE);
    Pump();
    EXPECT_EQ(pw::LastStatusText(), "Could not open");
    EXPECT_EQ(pw::CurrentPlace().file, "");
    EXPECT_EQ(TextOf(hwnd), "Pagewick");
    EXPECT_FALSE(IsWindowEnabled(pw::ActiveEditor()));
}

TEST_F(NewNoteTest, ANoteFromTextHoldsTheTextAndAnEmptyTextMakesNone)
{
    StartLibrary();
    pw::NewNoteFromText("dropped words");
    Pump();
    EXPECT_EQ(ReadFile(notes + "\\New Note.txt"), "dropped words");
    EXPECT_EQ(pw::CurrentPlace().file, "New Note.txt");
    EXPECT_EQ(TextOf(pw::ActiveEditor()), "dropped words");

    pw::NewNoteFromText("");
    Pump();
    EXPECT_FALSE(Exists(notes + "\\New Note_1.txt"));
    EXPECT_EQ(pw::LastStatusText(), "Could not open");
    EXPECT_EQ(pw::CurrentPlace().file, "");
}

TEST_F(NewNoteTest, APerpetualNoteOpensItsPlaceAndUnassignedButtonsAreDisabled)
{
    notes = InFolder("Notes");
    const std::string general = "PerpetualNote2=" + notes + "|" + notes + "|work|today.txt\r\n";
    MakeFolder(notes);
    MakeFolder(notes + "\\work");
    MakeFolder(notes + "\\other");
    WriteFile(notes + "\\work\\today.txt", "today's note");
    WriteIni("[General]\r\nRootAutoAddCDrive=0\r\nRootAutoAddMyDocuments=0\r\nRootAutoAddAmbervale=0\r\n" + general +
             "\r\n[BasicRoots]\r\n" + notes + "=Notes;.txt\r\n");
    ASSERT_TRUE(Start());
    SelectFolder("other");

    EXPECT_FALSE(ButtonEnabled(CMD_PERPETUAL1));
    EXPECT_TRUE(ButtonEnabled(CMD_PERPETUAL2));
    EXPECT_FALSE(ButtonEnabled(CMD_PERPETUAL3));
    EXPECT_STREQ(pw::ToolbarTooltip(CMD_PERPETUAL1),
                 "Perpetual note 1\nAssign note using Configure -> Perpetual Notes");
    EXPECT_STREQ(pw::ToolbarTooltip(CMD_PERPETUAL2), "today.txt");
    EXPECT_STREQ(pw::ToolbarTooltip(CMD_PERPETUAL3),
                 "Perpetual note 3\nAssign note using Configure -> Perpetual Notes");

    Command(CMD_PERPETUAL2);
    Pump();
    EXPECT_EQ(pw::CurrentPlace().folderPath, notes);
    EXPECT_EQ(SelectedIn(pw::Main().panes.folders), "work");
    EXPECT_EQ(SelectedIn(pw::Main().panes.files), "today.txt");
    EXPECT_EQ(pw::CurrentPlace().file, "today.txt");
    EXPECT_EQ(TextOf(pw::ActiveEditor()), "today's note");

    // An unassigned slot opens nothing, leaves the note where it is and says how to assign it.
    Command(CMD_PERPETUAL1);
    Pump();
    EXPECT_EQ(pw::CurrentPlace().file, "today.txt");
    EXPECT_EQ(pw::LastStatusText(), "Perpetual note 1 is not assigned: use Configure -> Perpetual Notes");
}

TEST_F(NewNoteTest, HelpTwiceAddsTheHelpRootOnce)
{
    MakeFolder(InFolder("support"));
    MakeFolder(InFolder("support\\help"));
    WriteFile(InFolder("support\\help\\1_help.txt"), "How to use the program");
    StartLibrary();
    const int roots = pw::Roots().count;
    Command(CMD_HELP);
    Pump();
    EXPECT_EQ(pw::Roots().count, roots + 1);
    EXPECT_EQ(pw::CurrentPlace().alias, "Help");
    EXPECT_EQ(pw::CurrentPlace().file, "1_help.txt");
    EXPECT_EQ(TextOf(pw::ActiveEditor()), "How to use the program");
    EXPECT_EQ(pw::Main().mode, pw::ViewMode::View);
    ClickFile("1_help.txt");
    Command(CMD_HELP_SLOT);
    Pump();
    EXPECT_EQ(pw::Roots().count, roots + 1);
    EXPECT_EQ(SendMessageA(pw::Main().panes.roots, CB_GETCOUNT, 0, 0), roots + 1);
    EXPECT_EQ(pw::CurrentPlace().file, "1_help.txt");
}

TEST_F(NewNoteTest, ARootWhoseAliasBeginsWithHelpDoesNotHideTheHelpRoot)
{
    MakeFolder(InFolder("support"));
    MakeFolder(InFolder("support\\help"));
    WriteFile(InFolder("support\\help\\1_help.txt"), "How to use the program");
    notes = InFolder("Desk");
    MakeFolder(notes);
    WriteIni(
        "[General]\r\nRootAutoAddCDrive=0\r\nRootAutoAddMyDocuments=0\r\nRootAutoAddAmbervale=0\r\n"
        "\r\n[BasicRoots]\r\n" +
        notes + "=Helpdesk;.txt\r\n");
    ASSERT_TRUE(Start());
    Command(CMD_HELP);
    Pump();
    EXPECT_EQ(pw::CurrentPlace().alias, "Help");
    EXPECT_EQ(TextOf(pw::ActiveEditor()), "How to use the program");
}

}  // namespace
}  // namespace pwtest
