// The note editor's commands that use the clipboard: the context menu's enabled states, Paste Text with its
// failures, Copy and Cut, and the web link. These tests share the one clipboard of the session, so they run
// alone (see tests/CMakeLists.txt).
#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "editor_fixture.h"
#include "notes/win/editor_menu.h"
#include "notes/win/notes_state.h"
#include "settings/win/handles.h"
#include "settings/win/messages.h"
#include "shell/ids.h"

namespace pwtest {
namespace {

HGLOBAL GlobalText(const std::string& text)
{
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    std::memcpy(GlobalLock(memory), text.c_str(), text.size() + 1);
    GlobalUnlock(memory);
    return memory;
}

class EditorClipboardTest : public EditorTest {
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        holder_ = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
        ASSERT_TRUE(holder_);
    }

    void TearDown() override
    {
        CloseClipboard();  // a test that held it open
        EmptyTheClipboard();
        DestroyWindow(holder_);
        EditorTest::TearDown();
    }

    // Fills the clipboard as another program would: it owns what it puts there.
    template <typename Filler>
    void Fill(Filler fill)
    {
        ASSERT_TRUE(OpenClipboard(holder_));
        EmptyClipboard();
        fill();
        CloseClipboard();
        Pump();
    }

    void EmptyTheClipboard()
    {
        Fill([] {});
    }
    void PutText(const std::string& text)
    {
        Fill([&] { SetClipboardData(CF_TEXT, GlobalText(text)); });
    }
    void PutBitmap()
    {
        Fill([] {
            HDC screen = GetDC(nullptr);
            SetClipboardData(CF_BITMAP, CreateCompatibleBitmap(screen, 4, 4));
            ReleaseDC(nullptr, screen);
        });
    }

    static std::string ClipboardText()
    {
        std::string text;
        if (!OpenClipboard(nullptr)) return "<closed>";
        if (HANDLE data = GetClipboardData(CF_TEXT)) {
            text = static_cast<const char*>(GlobalLock(data));
            GlobalUnlock(data);
        }
        CloseClipboard();
        return text;
    }

    void Paste()
    {
        pw::RunEditorCommand(CMD_EDIT_PASTE_TEXT);
        Pump();
    }

    HWND holder_ = nullptr;
};

using Item = std::pair<std::string, bool>;  // text and whether it is enabled; "-" for a separator

std::vector<Item> MenuItems()
{
    pw::MenuHandle menu(pw::BuildEditorMenu());
    std::vector<Item> items;
    for (int i = 0; i < GetMenuItemCount(menu.get()); ++i) {
        char text[96] = {};
        const UINT state = GetMenuState(menu.get(), i, MF_BYPOSITION);
        if (state & MF_SEPARATOR) {
            items.push_back({"-", true});
            continue;
        }
        GetMenuStringA(menu.get(), i, text, sizeof(text), MF_BYPOSITION);
        items.push_back({text, !(state & (MF_GRAYED | MF_DISABLED))});
    }
    return items;
}

TEST_F(EditorClipboardTest, TheContextMenusItemsAndWhenTheyAreEnabled)
{
    StartWithNotes({{"a.txt", "some text"}, {"b.txt", "\r\nsecond line"}});
    ClickFile("a.txt");
    const bool no = false, yes = true;
    struct Case {
        const char* what;
        bool selection;
        int clipboard;  // 0 empty, 1 text, 2 bitmap
        bool undo, cut, paste, image, selectAll, webLink;
    } cases[] = {
        {"nothing selected, empty clipboard", no, 0, yes, no, no, no, yes, no},
        {"a selection, text on the clipboard", yes, 1, yes, yes, yes, no, yes, yes},
        {"a selection, an image on the clipboard", yes, 2, yes, yes, no, yes, yes, no},
        {"no selection, text on the clipboard", no, 1, yes, no, yes, no, yes, no},
    };
    for (const Case& c : cases) {
        if (c.clipboard == 0) EmptyTheClipboard();
        if (c.clipboard == 1) PutText("http://x.com");
        if (c.clipboard == 2) PutBitmap();
        Select(0, c.selection ? 4 : 0);
        const std::vector<Item> expected = {
            {"    Undo   ", c.undo},
            {"-", true},
            {"    Cut   ", c.cut},
            {"    Copy   ", c.cut},
            {"    Paste Text  ", c.paste},
            {c.image ? "    Paste Image " : "    Paste Image  ", c.image},
            {"    Select All   ", c.selectAll},
            {"    Launch Associated  ", c.selection},
            {"-", true},
            {"    Make selection a page link\t   [ ipsum ] ", c.selection},
            {"-", true},
            {"    Strike out selection\t   ~~ipsum~~  ", c.selection},
            {"    Make selection bold\t   **ipsum**  ", c.selection},
            {"    Make selection italics\t   *ipsum*  ", c.selection},
            {"-", true},
            {"    Insert header\t   =====  ", yes},
            {"    Insert subheader\t   ------------  ", yes},
            {"    Insert line\t   * * *  ", yes},
            {"-", true},
            {"    Make a web link\t   [ ipsum ](ipsum.com)   ", c.webLink},
        };
        EXPECT_EQ(MenuItems(), expected) << c.what;
    }
    ClickFile("b.txt");  // its first line is empty
    EXPECT_EQ(MenuItems()[6], Item("    Select All   ", false));
}

TEST_F(EditorClipboardTest, PasteTextReplacesTheSelectionSavesAndIsUndoneInOneStep)
{
    StartWithNotes({{"a.txt", "old text"}});
    ClickFile("a.txt");
    PutText("new");
    Select(0, 3);
    Paste();
    EXPECT_EQ(EditorText(), "new text");
    EXPECT_EQ(ReadFile(Note("a.txt")), "new text") << "saved in place";
    EXPECT_FALSE(pw::NoteModified());
    PressCtrlZ();
    EXPECT_EQ(EditorText(), "old text");
    EXPECT_TRUE(pw::NoteModified());

    // Ctrl+V takes the same way.
    Select(8, 8);
    SendMessageA(Editor(), WM_PASTE, 0, 0);
    Pump();
    EXPECT_EQ(EditorText(), "old textnew");
    EXPECT_EQ(ReadFile(Note("a.txt")), "old textnew");
}

TEST_F(EditorClipboardTest, PasteTextFailuresSaySoAndChangeNothing)
{
    StartWithNotes({{"a.txt", "old text"}});
    ClickFile("a.txt");
    Select(0, 3);
    const auto unchanged = [&](const char* what) {
        EXPECT_EQ(EditorText(), "old text") << what;
        EXPECT_EQ(ReadFile(Note("a.txt")), "old text") << what;
        EXPECT_FALSE(pw::NoteModified()) << what;
    };
    const auto startsWith = [](const std::string& text, const std::string& prefix) {
        return text.compare(0, prefix.size(), prefix) == 0;
    };

    EmptyTheClipboard();
    Paste();
    EXPECT_EQ(pw::LastStatusText(), "No text on clipboard");
    unchanged("empty clipboard");

    PutText("new");
    ASSERT_TRUE(OpenClipboard(holder_));  // another window holds it open
    Paste();
    CloseClipboard();
    EXPECT_TRUE(startsWith(pw::LastStatusText(), "Failed to open clipboard: ")) << pw::LastStatusText();
    unchanged("clipboard held open");

    Fill([] { SetClipboardData(CF_TEXT, nullptr); });  // promised, but its owner never renders it
    Paste();
    EXPECT_TRUE(startsWith(pw::LastStatusText(), "Failed to get clipboarddata: ")) << pw::LastStatusText();
    unchanged("text never rendered");

    PutText("new");
    HGLOBAL discarded = GlobalAlloc(GMEM_MOVEABLE, 0);  // a block that cannot be locked
    pw::NotesArea().clipboardData = [discarded](UINT) { return discarded; };
    Paste();
    pw::NotesArea().clipboardData = nullptr;
    GlobalFree(discarded);
    EXPECT_TRUE(startsWith(pw::LastStatusText(), "Failed to get globallock: ")) << pw::LastStatusText();
    unchanged("memory that cannot be locked");

    PutText(std::string(64001, 'x'));  // more than the editor holds
    Paste();
    EXPECT_EQ(pw::LastStatusText(),
              "Text not pasted: the clipboard holds more than the note can hold (64,000 characters)");
    unchanged("too long");
    PutText(std::string(63998, 'x'));  // fits alone, not with the text that stays
    Paste();
    EXPECT_EQ(pw::LastStatusText(), "Text not inserted: the note holds at most 64,000 characters");
    unchanged("too long with the note");
}

TEST_F(EditorClipboardTest, CopyCutAndTheWebLinkUseTheClipboard)
{
    StartWithNotes({{"a.txt", "see label now"}});
    ClickFile("a.txt");
    PutText("http://x.com");
    Select(4, 9);
    pw::RunEditorCommand(CMD_MARKUP_WEB_LINK);
    EXPECT_EQ(EditorText(), "see [ label ](http://x.com)  now");
    EXPECT_EQ(ReadFile(Note("a.txt")), "see [ label ](http://x.com)  now");

    Select(0, 3);
    pw::RunEditorCommand(CMD_EDIT_COPY);
    EXPECT_EQ(ClipboardText(), "see");
    EXPECT_FALSE(pw::NoteModified());
    Select(28, 32);
    pw::RunEditorCommand(CMD_EDIT_CUT);
    Pump();
    EXPECT_EQ(ClipboardText(), " now");
    EXPECT_EQ(EditorText(), "see [ label ](http://x.com) ");
    EXPECT_TRUE(pw::NoteModified());
}

}  // namespace
}  // namespace pwtest
