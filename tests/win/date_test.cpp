// Dates on the real main window: F5 in the Multibar and the note at a fixed clock, the spreadsheet target that
// is not built yet, and dated names of saved images on real files.
#include <windows.h>

#include <cstdio>
#include <string>

#include "sheet/win/cell_editor.h"
#include "sheet/win/sheet_state.h"
#include "sheet/win/sheet_view.h"
#include "gui_harness.h"
#include "library/win/library_state.h"
#include "media/win/image_date.h"
#include "multibar/win/date_paste.h"
#include "notes/win/document.h"
#include "settings/win/messages.h"
#include "shell/ids.h"
#include "shell/win/main_window.h"

namespace pwtest {
namespace {

class DateTest : public PagewickTest {
protected:
    void SetUp() override
    {
        PagewickTest::SetUp();
        pw::SetClockHook([] { return pw::CivilTime{2026, 12, 7, 14, 5, 0}; });
    }
    void TearDown() override
    {
        PagewickTest::TearDown();
        pw::SetClockHook(nullptr);
    }

    void StartLibrary(const std::string& general = "")
    {
        lib = InFolder("Notes");
        MakeFolder(lib);
        WriteFile(lib + "\\a.txt", "aXXb");
        WriteFile(lib + "\\t.csv", "x,y\r\n");
        WriteIni("[General]\r\nRootAutoAddCDrive=0\r\nRootAutoAddMyDocuments=0\r\nRootAutoAddAmbervale=0\r\n" +
                 general + "\r\n[BasicRoots]\r\n" + lib + "=Notes;.txt\r\n");
        ASSERT_TRUE(Start());
    }

    std::string lib;
};

// F5 reads the focus, so this test runs alone (see tests/CMakeLists.txt).
TEST_F(DateTest, F5PastesIntoTheFocusedMultibarOrNote)
{
    StartLibrary("NoteDateTemplate=\r\n");
    const pw::Panes& panes = pw::Main().panes;
    SetFocus(panes.multibar);
    Command(CMD_F5);
    EXPECT_EQ(TextOf(panes.multibar), "2026Dec07");

    ClickFile("a.txt");
    HWND editor = pw::ActiveEditor();
    ASSERT_EQ(TextOf(editor), "aXXb");
    SetFocus(editor);
    SendMessageA(editor, EM_SETSEL, 1, 3);
    Command(CMD_F5);
    EXPECT_EQ(TextOf(editor), "a2:05 PM 12/7/2026 b");
    EXPECT_TRUE(pw::NoteModified());
    SendMessageA(editor, EM_UNDO, 0, 0);
    EXPECT_EQ(TextOf(editor), "aXXb") << "the paste can be undone";
}

TEST_F(DateTest, TemplatesOfTheFolderAndTheStoreChooseTheText)
{
    StartLibrary("MultibarPasteTimeWithDate=1\r\n");
    WriteFile(lib + "\\pagewick.fw", "[General]\r\nNoteDateTemplate=dddd, d MMMM yyyy\r\n");
    ClickFile("a.txt");
    HWND editor = pw::ActiveEditor();
    SendMessageA(editor, EM_SETSEL, 4, 4);
    pw::PasteDate(editor);
    EXPECT_EQ(TextOf(editor), "aXXbMonday, 7 December 2026");
    pw::PasteDate(pw::Main().panes.multibar);
    EXPECT_EQ(TextOf(pw::Main().panes.multibar), "2026Dec07.1405");
}

TEST_F(DateTest, ANoteOpenedReadOnlyTakesNoDate)
{
    StartLibrary();
    WriteFile(lib + "\\zero.txt", std::string("before\0after", 12));
    Command(CMD_FILE_REFRESH);
    ClickFile("zero.txt");
    ASSERT_TRUE(pw::DocumentReadOnly());
    HWND editor = pw::ActiveEditor();
    const std::string shown = TextOf(editor);
    pw::PasteDate(editor);
    EXPECT_EQ(TextOf(editor), shown);
    EXPECT_FALSE(pw::NoteModified());
}

TEST_F(DateTest, ACellBeingEditedTakesTheDateAndTheTableDoesNot)
{
    StartLibrary();
    ClickFile("t.csv");
    ASSERT_EQ(pw::CurrentViewer(), pw::kSpreadsheetViewer);
    pw::PasteDate(pw::Main().panes.sheet);
    EXPECT_FALSE(pw::SheetArea().sheet.isModified);
    pw::MoveCursorTo(0, 1);
    pw::EditCurrentCell();
    HWND edit = pw::CellEditBox();
    ASSERT_NE(edit, nullptr);
    SetWindowTextA(edit, "");
    pw::PasteDate(edit);
    EXPECT_FALSE(TextOf(edit).empty());
}

TEST_F(DateTest, ASavedImageGetsAFreeDatedNameAndNeverReplacesOne)
{
    StartLibrary();
    const std::string imgs = lib + "\\imgs\\";
    MakeFolder(imgs);
    WriteFile(lib + "\\pagewick.fw", "[General]\r\nImagePrependDate=1\r\n");
    WriteFile(imgs + "Image_001.png", "new");
    WriteFile(imgs + "2026-12-07-Image_001.png", "older");
    std::string path = imgs + "Image_001.png";
    std::string name = "Image_001.png";
    pw::PrependDateToImage(pw::CurrentPlace(), path, name);
    EXPECT_EQ(name, "2026-12-07-Image_002.png");
    EXPECT_EQ(path, imgs + "2026-12-07-Image_002.png");
    EXPECT_EQ(ReadFile(path), "new");
    EXPECT_EQ(ReadFile(imgs + "2026-12-07-Image_001.png"), "older");
    EXPECT_FALSE(Exists(imgs + "Image_001.png"));

    // Every dated name up to 99 taken: the image keeps its name and the user is told.
    WriteFile(imgs + "shot.png", "shot");
    WriteFile(imgs + "2026-12-07-shot.png", "taken");
    for (int n = 1; n <= 99; ++n) {
        char taken[32];
        std::snprintf(taken, sizeof taken, "2026-12-07-shot_%03d.png", n);
        WriteFile(imgs + taken, "taken");
    }
    path = imgs + "shot.png";
    name = "shot.png";
    pw::PrependDateToImage(pw::CurrentPlace(), path, name);
    EXPECT_EQ(name, "shot.png");
    EXPECT_EQ(ReadFile(imgs + "shot.png"), "shot");
    EXPECT_EQ(ReadFile(imgs + "2026-12-07-shot.png"), "taken");
    EXPECT_EQ(pw::LastStatusText(), "No free dated name for shot.png: it keeps its name");
}

}  // namespace
}  // namespace pwtest
