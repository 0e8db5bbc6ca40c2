// The main window owns its state: a second start in the same process begins afresh and works as the first did.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

#include "gui_harness.h"
#include "library/win/file_pane.h"
#include "library/win/library_state.h"
#include "notes/win/document.h"
#include "render/win/browser_pane.h"
#include "render/win/web_view.h"
#include "settings/win/messages.h"
#include "shell/ids.h"
#include "shell/win/main_window.h"
#include "shell/win/mode.h"

namespace pwtest {
namespace {

class MainWindowTest : public PagewickTest {
protected:
    void SetUp() override
    {
        PagewickTest::SetUp();
        notes = InFolder("Notes");
        MakeFolder(notes);
        MakeFolder(InFolder("support"));
        WriteFile(InFolder("support\\dark.css"), "body{}");
        WriteFile(notes + "\\a.txt", "first note\r\n");
        WriteFile(notes + "\\b.md", "second note\r\n");
        WriteIni(
            "[General]\r\nRootAutoAddCDrive=0\r\nRootAutoAddMyDocuments=0\r\nRootAutoAddAmbervale=0\r\n"
            "[BasicRoots]\r\n" +
            notes + "=Notes\r\n");
    }

    void Type(const std::string& text)
    {
        HWND editor = pw::ActiveEditor();
        SendMessageA(editor, EM_SETSEL, 0, 0);
        SendMessageA(editor, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
        Pump();
    }

    // Leaves traces in every part of the window's state, and a.txt open with an unsaved edit.
    void UseTheWindow()
    {
        pw::SetStyleSheet("dark.css");
        pw::SetClickedLink("fw:Elsewhere");
        pw::StatusMessage("said before the stop");
        Command(CMD_TOGGLE_MODE);
        ClickFile("b.md");
        ASSERT_EQ(pw::CurrentViewer(), pw::kWebViewer);
        ASSERT_EQ(pw::ShownPageKind(), pw::PageKind::Rendered);
        Command(CMD_TOGGLE_MODE);
        ClickFile("a.txt");
        ASSERT_EQ(TextOf(pw::ActiveEditor()), "first note\r\n");
        Type("edited ");
        ASSERT_TRUE(pw::NoteModified());
    }

    std::string notes;
};

TEST_F(MainWindowTest, ASecondStartInTheSameProcessBeginsAfreshAndWorks)
{
    ASSERT_TRUE(Start());
    const HWND first = hwnd;
    UseTheWindow();
    Stop();
    EXPECT_FALSE(IsWindow(first));

    ASSERT_TRUE(Start());
    // Nothing of the first window's life is left.
    EXPECT_EQ(pw::CurrentMode(), pw::ViewMode::Edit);
    EXPECT_EQ(pw::CurrentViewer(), pw::kTextViewer);
    EXPECT_EQ(pw::CurrentPlace().file, "");
    EXPECT_FALSE(pw::NoteModified());
    EXPECT_FALSE(IsWindowEnabled(pw::ActiveEditor()));
    EXPECT_EQ(TextOf(hwnd), "Pagewick");
    EXPECT_EQ(pw::Roots().count, 1);
    EXPECT_EQ(pw::CurrentStyleSheet(), "markup.css");
    EXPECT_EQ(pw::ClickedLink(), "");
    EXPECT_EQ(pw::ShownPageKind(), pw::PageKind::None);
    EXPECT_EQ(pw::ShownPageAddress(), "");
    EXPECT_FALSE(IsWindowVisible(pw::Main().panes.browser));
    EXPECT_EQ(pw::AutosaveCount(), 0);
    const std::vector<std::string>& said = pw::RecentStatusTexts();
    EXPECT_EQ(std::find(said.begin(), said.end(), "said before the stop"), said.end());
    EXPECT_EQ(pw::LastStatusText(), "Files in " + notes);

    // And the new window works as the first did.
    EXPECT_EQ(ListView_GetItemCount(pw::Main().panes.files), 2);
    ClickFile("a.txt");
    EXPECT_EQ(TextOf(pw::ActiveEditor()), "first note\r\n") << "the first window's document is gone with it";
    Type("again ");
    EXPECT_EQ(TextOf(hwnd), "a.txt*");
    ASSERT_TRUE(pw::SaveDocument());
    EXPECT_EQ(ReadFile(notes + "\\a.txt"), "again first note\r\n");
    Command(CMD_TOGGLE_MODE);
    ClickFile("b.md");
    EXPECT_EQ(pw::ShownPageKind(), pw::PageKind::Rendered);
    EXPECT_NE(ReadFile(pw::ShownPageAddress()).find("second note"), std::string::npos);
}

}  // namespace
}  // namespace pwtest
