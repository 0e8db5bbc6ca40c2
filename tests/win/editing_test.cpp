// The note editor's commands on the real main window: markup through the editor with one-step undo, the
// counters and counts, the toggles, the note menu items, Launch Associated, drops, image links and the font.
#include <windows.h>

#include <string>
#include <vector>

#include "editor_fixture.h"
#include "notes/win/editing.h"
#include "notes/win/editor_menu.h"
#include "notes/win/notes_state.h"
#include "settings/win/messages.h"
#include "settings/win/settings_win.h"
#include "shell/ids.h"

namespace pwtest {
namespace {

class EditingTest : public EditorTest {
protected:
    void Markup(int id)
    {
        pw::RunEditorCommand(id);
        Pump();
    }

    // Width of a text in the editor's font.
    static long Width(const std::string& text)
    {
        HDC dc = GetDC(Editor());
        HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(Editor(), WM_GETFONT, 0, 0)));
        SIZE size{};
        GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
        SelectObject(dc, old);
        ReleaseDC(Editor(), dc);
        return size.cx;
    }

    // The Tools menu's items between the note frames 900 and 901: id and text ("-" for a separator).
    std::vector<std::pair<UINT, std::string>> NoteMenuItems()
    {
        HMENU tools = GetSubMenu(GetMenu(hwnd), 1);
        std::vector<std::pair<UINT, std::string>> items;
        bool inside = false;
        for (int i = 0; i < GetMenuItemCount(tools); ++i) {
            char text[64] = {};
            MENUITEMINFOA item{};
            item.cbSize = sizeof(item);
            item.fMask = MIIM_ID | MIIM_FTYPE | MIIM_STRING;
            item.dwTypeData = text;
            item.cch = sizeof(text);
            GetMenuItemInfoA(tools, i, TRUE, &item);
            if (item.wID == CMD_VIEWER_SEPARATOR_TOP) inside = true;
            if (inside) items.push_back({item.wID, (item.fType & MFT_SEPARATOR) ? "-" : text});
            if (item.wID == CMD_VIEWER_SEPARATOR_BOTTOM) break;
        }
        return items;
    }

    bool Checked(UINT id) { return GetMenuState(GetMenu(hwnd), id, MF_BYCOMMAND) & MF_CHECKED; }
};

TEST_F(EditingTest, MarkupChangesTheSelectionSavesAndIsUndoneInOneStep)
{
    StartWithNotes({{"a.txt", "a word here"}});
    ClickFile("a.txt");
    TypeAtEnd(" more");
    Select(2, 6);
    Markup(CMD_MARKUP_BOLD);
    EXPECT_EQ(EditorText(), "a **word**  here more");
    EXPECT_EQ(ReadFile(Note("a.txt")), "a **word**  here more") << "saved in place";
    EXPECT_FALSE(pw::NoteModified());
    PressCtrlZ();
    EXPECT_EQ(EditorText(), "a word here more") << "the markup goes, the typing before it stays";
    EXPECT_TRUE(pw::NoteModified());

    // A rule inserted right after typing is its own step too.
    TypeAtEnd(" and");
    Command(CMD_CTRL_L);
    EXPECT_EQ(EditorText(), "a word here more and* * *\r\n");
    pw::SetModified(false);
    pw::RunEditorCommand(CMD_EDIT_UNDO);  // the menu's Undo is the same step
    EXPECT_EQ(EditorText(), "a word here more and");
    EXPECT_TRUE(pw::NoteModified());
}

TEST_F(EditingTest, HeadersUnderlineTheCaretLineOrTheSelection)
{
    StartWithNotes({{"a.txt", "intro\r\nChapter one\r\n\r\nend"}});
    ClickFile("a.txt");
    Select(10, 10);  // in "Chapter one"
    Command(CMD_HEADER_RULE);
    const std::string text = EditorText();
    const std::string head = "intro\r\nChapter one\r\n";
    ASSERT_EQ(text.substr(0, head.size()), head);
    const std::size_t runEnd = text.find("\r\n", head.size());
    const std::string run = text.substr(head.size(), runEnd - head.size());
    ASSERT_FALSE(run.empty());
    EXPECT_EQ(run.find_first_not_of('='), std::string::npos) << run;
    EXPECT_GE(Width(run), Width("Chapter one")) << "as wide as the line in the editor's font";
    EXPECT_LT(Width(run.substr(1)), Width("Chapter one")) << "and no wider";
    EXPECT_EQ(text.substr(runEnd), "\r\n\r\nend") << "the line end that follows is kept, none added";

    // An empty line gets HeaderLenInt characters.
    const std::size_t empty = text.size() - 5;  // the empty line before "end"
    Select(empty, empty);
    Command(CMD_SUBHEADER_RULE);
    EXPECT_EQ(EditorText().substr(empty), std::string(40, '-') + "\r\nend");

    // With TextLength a selection of 12 characters gets 12.
    Set("HeaderBarLengthType", "TextLength");
    SetWindowTextA(Editor(), "twelve chars");
    Select(0, 12);
    Command(CMD_SUBHEADER_RULE);
    EXPECT_EQ(EditorText(), "twelve chars\r\n------------\r\n");
}

TEST_F(EditingTest, MarkupDoesNothingWhenTheNoteWasReloadedOrIsReadOnly)
{
    StartWithNotes({{"a.txt", "one two three four five"}, {"zero.txt", std::string("ab\0cd", 5)}});
    ClickFile("a.txt");
    Select(19, 23);  // "five"
    // Another program shortens the file: saving in place reloads it, and the selection means nothing there.
    WriteFile(Note("a.txt"), "one");
    Markup(CMD_MARKUP_BOLD);
    EXPECT_EQ(EditorText(), "one");
    EXPECT_EQ(ReadFile(Note("a.txt")), "one");

    ClickFile("zero.txt");
    Select(0, 2);
    for (int id : {CMD_MARKUP_BOLD, CMD_MARKUP_HEADER, CMD_EDIT_PASTE_TEXT, CMD_EDIT_CUT}) {
        pw::StatusText("");
        Markup(id);
        EXPECT_EQ(pw::LastStatusText(), "zero.txt is open read-only: nothing was changed") << id;
    }
    EXPECT_FALSE(pw::InsertDroppedText("http://a.org"));
    EXPECT_FALSE(pw::InsertImageLink("p.png"));
    EXPECT_FALSE(pw::NoteModified());
    EXPECT_EQ(EditorText(), "ab");
    EXPECT_EQ(ReadFile(Note("zero.txt")), std::string("ab\0cd", 5));
}

TEST_F(EditingTest, ASelectionOfAThousandCharactersTakesNoMarkup)
{
    StartWithNotes({{"a.txt", std::string(1000, 'x')}});
    ClickFile("a.txt");
    Select(0, 1000);
    Markup(CMD_MARKUP_BOLD);
    EXPECT_EQ(pw::LastStatusText(), "Markup takes a selection of at most 999 characters");
    Select(500, 500);  // a header would underline the whole line
    Command(CMD_HEADER_RULE);
    EXPECT_EQ(EditorText(), std::string(1000, 'x'));
    Select(1, 1000);
    Markup(CMD_MARKUP_ITALICS);
    EXPECT_EQ(EditorText(), "x *" + std::string(999, 'x') + "* ") << "999 still take it";
}

TEST_F(EditingTest, TheEditorsContextMenuRunsTheChosenCommand)
{
    StartWithNotes({{"a.txt", "text"}});
    ClickFile("a.txt");
    Select(4, 4);
    // The menu's own loop takes these keys: up to the last item, past the separator, up to "Insert line".
    for (WPARAM key : {VK_UP, VK_UP, VK_RETURN}) PostMessageA(Editor(), WM_KEYDOWN, key, 0);
    SendMessageA(Editor(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(Editor()), MAKELPARAM(50, 50));
    Pump();
    EXPECT_EQ(EditorText(), "text* * *\r\n");
}

TEST_F(EditingTest, PasteImageSavesThePictureInImgsAndLinksIt)
{
    StartWithNotes({{"a.txt", "text"}});
    ClickFile("a.txt");
    ASSERT_FALSE(Exists(Note("imgs")));
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 4, 4);
    ReleaseDC(nullptr, screen);
    ASSERT_TRUE(OpenClipboard(hwnd));
    EmptyClipboard();
    SetClipboardData(CF_BITMAP, bitmap);
    CloseClipboard();
    Select(4, 4);
    pw::RunEditorCommand(CMD_EDIT_PASTE_IMAGE);
    Pump();
    EXPECT_EQ(ReadFile(Note("imgs\\Image_000.png")).substr(0, 4), "\x89PNG") << "imgs is made when missing";
    EXPECT_FALSE(Exists(Note("imgs\\Image_000.bmp")));
    EXPECT_EQ(EditorText(), "text![ Image_000.png ](imgs/Image_000.png)");

    // Without a picture nothing is saved and nothing inserted.
    ASSERT_TRUE(OpenClipboard(hwnd));
    EmptyClipboard();
    CloseClipboard();
    pw::RunEditorCommand(CMD_EDIT_PASTE_IMAGE);
    Pump();
    EXPECT_FALSE(Exists(Note("imgs\\Image_001.png")));
    EXPECT_EQ(EditorText(), "text![ Image_000.png ](imgs/Image_000.png)");
}

TEST_F(EditingTest, CountersShowCharactersAndTheWordsOfTheSavedFile)
{
    StartWithNotes({{"a.txt", "one - two -- three"}});
    DWORD now = 5000;
    pw::NotesArea().tickCount = [&now] { return now; };
    ClickFile("a.txt");
    EXPECT_EQ(StatusField(1), "");
    ReleaseKey();
    EXPECT_EQ(StatusField(1), "Ch 18");
    EXPECT_EQ(StatusField(2), "Wd 3");

    // Another program adds words: the count follows no sooner than a second after the last one.
    WriteFile(Note("a.txt"), "one - two -- three four");
    now += 999;
    ReleaseKey();
    EXPECT_EQ(StatusField(2), "Wd 3");
    now += 1;
    ReleaseKey();
    EXPECT_EQ(StatusField(2), "Wd 4");

    // While the note has unsaved changes the field is empty; Save counts at once.
    pw::CheckExternalChange();
    TypeAtEnd(" five");
    ReleaseKey();
    EXPECT_EQ(StatusField(1), "Ch 28");
    EXPECT_EQ(StatusField(2), "");
    Command(CMD_SAVE_KEY);
    EXPECT_EQ(StatusField(2), "Wd 5");

    pw::CloseDocument();
    EXPECT_EQ(StatusField(1), "");
    EXPECT_EQ(StatusField(2), "");
}

TEST_F(EditingTest, CountersStayEmptyWhenSwitchedOff)
{
    StartWithNotes({{"a.txt", "one two"}}, "NoteShowCharCount=0\r\nNoteShowWordCount=0\r\n");
    ClickFile("a.txt");
    ReleaseKey();
    EXPECT_EQ(StatusField(1), "");
    EXPECT_EQ(StatusField(2), "");
}

TEST_F(EditingTest, WordAndCharacterCountsOfTheSelectionOrTheNote)
{
    std::string many;
    for (int i = 0; i < 1234; ++i) many += "word -- ";
    StartWithNotes({{"a.txt", many}, {"empty.txt", ""}});
    ClickFile("a.txt");
    TypeAtEnd("unsaved words here");  // the count of the whole note is of the file on disk
    Command(CMD_WORD_COUNT);
    Select(0, 16);  // "word -- word -- "
    Command(CMD_WORD_COUNT);
    Command(CMD_CHAR_COUNT);
    Select(0, 0);
    Command(CMD_CHAR_COUNT);
    ASSERT_EQ(boxes.size(), 4u);
    EXPECT_EQ(boxes[0].caption, "Word count:");
    EXPECT_EQ(boxes[0].text, "1,234");
    EXPECT_EQ(boxes[1].caption, "Selected word count:");
    EXPECT_EQ(boxes[1].text, "2");
    EXPECT_EQ(boxes[2].caption, "Selected text character count:");
    EXPECT_EQ(boxes[2].text, "16");
    EXPECT_EQ(boxes[3].caption, "Character count:");
    EXPECT_EQ(boxes[3].text, "9,890");  // 1,234 times 8 and the 18 typed

    ClickFile("empty.txt");
    Command(CMD_CHAR_COUNT);
    EXPECT_EQ(boxes.size(), 4u) << "no box for an empty note";
}

TEST_F(EditingTest, WordWrapMovesTheNoteWithItsUnsavedEditsAndWritesTheSetting)
{
    StartWithNotes({{"a.txt", "first line"}});
    ClickFile("a.txt");
    TypeAtEnd(" edited");
    Select(2, 5);
    HWND wrapped = Editor();
    EXPECT_TRUE(Checked(CMD_WORDWRAP));
    Command(CMD_WORDWRAP);
    HWND plain = Editor();
    ASSERT_NE(plain, wrapped);
    EXPECT_EQ(EditorText(), "first line edited");
    EXPECT_TRUE(pw::NoteModified());
    EXPECT_EQ(ReadFile(Note("a.txt")), "first line") << "nothing is written by the toggle";
    EXPECT_TRUE(IsWindowVisible(plain));
    EXPECT_FALSE(IsWindowVisible(wrapped));
    EXPECT_FALSE(Checked(CMD_WORDWRAP));
    EXPECT_NE(ReadFile(IniPath()).find("WordWrap=0"), std::string::npos);
    DWORD start = 0, end = 0;
    SendMessageA(plain, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 2u);
    EXPECT_EQ(end, 5u);

    Command(CMD_WORDWRAP);
    EXPECT_EQ(Editor(), wrapped);
    EXPECT_EQ(EditorText(), "first line edited");
    EXPECT_TRUE(Checked(CMD_WORDWRAP));
    EXPECT_NE(ReadFile(IniPath()).find("WordWrap=1"), std::string::npos);
}

TEST_F(EditingTest, FormatNewLinesSavesWritesTheSettingAndLoadsAgain)
{
    StartWithNotes({{"a.txt", "one\ntwo"}});
    ClickFile("a.txt");
    EXPECT_EQ(EditorText(), "one\r\ntwo");
    EXPECT_TRUE(Checked(CMD_FORMAT_NEWLINES));
    Command(CMD_FORMAT_NEWLINES);
    EXPECT_EQ(EditorText(), "one\ntwo") << "loaded again without the conversion";
    EXPECT_FALSE(Checked(CMD_FORMAT_NEWLINES));
    EXPECT_NE(ReadFile(IniPath()).find("FormatNewLines=0"), std::string::npos);

    TypeAtEnd("\nthree");
    Command(CMD_FORMAT_NEWLINES);
    EXPECT_EQ(ReadFile(Note("a.txt")), "one\ntwo\nthree") << "saved before it is loaded again";
    EXPECT_EQ(EditorText(), "one\r\ntwo\r\nthree");
    EXPECT_FALSE(pw::NoteModified());
    EXPECT_TRUE(Checked(CMD_FORMAT_NEWLINES));
}

TEST_F(EditingTest, TheNoteMenuItemsComeWithTheNoteAndGoWithIt)
{
    StartWithNotes({{"a.txt", "text"}});
    ClickFile("a.txt");
    const std::vector<std::pair<UINT, std::string>> expected = {
        {900, "-"},
        {903, "  Wordwrap   "},
        {906, "  Format Newlines   "},
        {902, "-"},
        {904, "  Mail to selected  "},
        {905, "  Mail selected as body     "},
        {910, "-"},
        {907, "  Word count  "},
        {908, "  Character count  "},
        {909, "  Keywords  "},
        {901, "-"},
    };
    EXPECT_EQ(NoteMenuItems(), expected);

    // Opening the menu: the items that act on the selection are enabled only while there is one.
    HMENU tools = GetSubMenu(GetMenu(hwnd), 1);
    for (bool selection : {false, true}) {
        Select(0, selection ? 2 : 0);
        SendMessageA(hwnd, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(tools), 1);
        for (UINT id : {CMD_LAUNCH_ASSOCIATED, CMD_MAIL_TO_SELECTED, CMD_MAIL_SELECTED_BODY}) {
            EXPECT_EQ((GetMenuState(tools, id, MF_BYCOMMAND) & MF_GRAYED) == 0, selection) << id;
        }
    }
    pw::CloseDocument();
    EXPECT_TRUE(NoteMenuItems().empty());
    EXPECT_EQ(GetMenuState(GetMenu(hwnd), CMD_WORD_COUNT, MF_BYCOMMAND), static_cast<UINT>(-1));
}

TEST_F(EditingTest, LaunchAssociatedHandsTheSelectionToTheSystem)
{
    StartWithNotes({{"a.txt", "see http://example.org now " + std::string(300, 'x')}});
    std::vector<std::string> opened;
    bool succeed = true;
    pw::NotesArea().openWithSystem = [&](const std::string& target, DWORD& error) {
        opened.push_back(target);
        error = ERROR_FILE_NOT_FOUND;
        return succeed;
    };
    ClickFile("a.txt");
    Select(4, 22);
    pw::RunEditorCommand(CMD_EDIT_LAUNCH);
    Command(CMD_LAUNCH_ASSOCIATED);
    EXPECT_EQ(opened, (std::vector<std::string>{"http://example.org", "http://example.org"}));
    succeed = false;
    Command(CMD_LAUNCH_ASSOCIATED);
    EXPECT_EQ(pw::LastStatusText().rfind("Could not open http://example.org: ", 0), 0u) << pw::LastStatusText();
    opened.clear();
    Select(27, 287);  // 260 characters
    Command(CMD_LAUNCH_ASSOCIATED);
    EXPECT_TRUE(opened.empty());
    EXPECT_EQ(pw::LastStatusText(), "Please select less than 260 characters (You have selected 260)");
    Select(3, 3);
    Command(CMD_LAUNCH_ASSOCIATED);
    EXPECT_TRUE(opened.empty());
}

TEST_F(EditingTest, DroppedAddressesAndImageLinksReplaceTheSelection)
{
    StartWithNotes({{"a.txt", "[here]"}});
    ClickFile("a.txt");
    Select(1, 5);
    ASSERT_TRUE(pw::InsertDroppedText("http://a.org/b"));
    EXPECT_EQ(EditorText(), "[[ a.org/b ]( http://a.org/b )]");
    EXPECT_TRUE(pw::NoteModified());

    Set("NoteDragHttpAsLink", "0");
    SetWindowTextA(Editor(), "");
    ASSERT_TRUE(pw::InsertDroppedText("https://a.org"));
    EXPECT_EQ(EditorText(), "https://a.org");
    Set("NoteDragHttpAsLink", "1");
    SetWindowTextA(Editor(), "");
    ASSERT_TRUE(pw::InsertDroppedText("https://a.org"));
    EXPECT_EQ(EditorText(), "[ a.org ]( https://a.org )");

    // A modified note is saved in place first, then the link makes it modified again.
    SetWindowTextA(Editor(), "photo: ");
    pw::SetModified(true);
    Select(7, 7);
    ASSERT_TRUE(pw::InsertImageLink("p.png"));
    EXPECT_EQ(ReadFile(Note("a.txt")), "photo: ");
    EXPECT_EQ(EditorText(), "photo: ![ p.png ](imgs/p.png)");
    EXPECT_TRUE(pw::NoteModified());
    Set("NoteImageLinkType", "Wiki");
    ASSERT_TRUE(pw::InsertImageLink("q.png"));
    EXPECT_EQ(EditorText(), "photo: ![ p.png ](imgs/p.png)[$ imgs\\q.png $]");

    // What the editor cannot hold is refused, whole.
    const std::string huge(70000, 'x');
    EXPECT_FALSE(pw::InsertDroppedText(huge));
    EXPECT_EQ(pw::LastStatusText(), "Dropped text not inserted: the note holds at most 64,000 characters");
    EXPECT_EQ(EditorText(), "photo: ![ p.png ](imgs/p.png)[$ imgs\\q.png $]");
}

TEST_F(EditingTest, TheNoteFontGoesToBothEditors)
{
    StartWithNotes({}, "NoteFont=Courier New With A Face Name Far Too Long\r\nNoteFontSize=20\r\n");
    for (HWND editor : {pw::Main().panes.editNoWrap, pw::Main().panes.editWrap}) {
        HFONT font = reinterpret_cast<HFONT>(SendMessageA(editor, WM_GETFONT, 0, 0));
        ASSERT_EQ(font, pw::Main().noteFont.get());
        LOGFONTA info{};
        ASSERT_TRUE(GetObjectA(font, sizeof(info), &info));
        EXPECT_STREQ(info.lfFaceName, "Courier New With A Face Name Fa") << "cut to 31 characters";
        EXPECT_EQ(info.lfHeight, 20);
        EXPECT_EQ(info.lfWeight, FW_NORMAL);
    }
}

}  // namespace
}  // namespace pwtest
