// The spreadsheet on the real main window: opening a .csv into the table view, the cell cursor, editing,
// saving with backups, sorting, grouping, row and column commands, and the round trip of an unedited file.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "gui_harness.h"
#include "library/viewers.h"
#include "notes/win/file_info.h"
#include "library/win/file_pane.h"
#include "library/win/library_state.h"
#include "settings/win/messages.h"
#include "settings/win/settings_win.h"
#include "sheet/win/cell_editor.h"
#include "sheet/win/sheet_commands.h"
#include "sheet/win/sheet_document.h"
#include "sheet/win/sheet_search.h"
#include "sheet/win/sheet_state.h"
#include "sheet/win/sheet_view.h"
#include "sheet/dialog_ids.h"
#include "shell/ids.h"
#include "shell/win/main_window.h"

namespace pwtest {
namespace {

// A file with every shape the reader must keep: LF and CR LF line ends, quoted line ends, doubled quotes,
// a trailing delimiter, a short row and no final line end.
const std::string kOddFile = "b,\"x\r\ny\",3\nA,\"say \"\"hi\"\"\",\r\n,short\r\nc,z,1";

// A message posted before an open is handled by the open's own message pump, while the file is read.
constexpr UINT kDuringLoad = WM_APP + 17;
std::function<void()> g_duringLoad;

LRESULT CALLBACK DuringLoadProc(HWND hwnd, UINT message, WPARAM wp, LPARAM lp)
{
    if (message == kDuringLoad && g_duringLoad) {
        g_duringLoad();
        return 0;
    }
    return DefWindowProcA(hwnd, message, wp, lp);
}

HWND DuringLoadWindow()
{
    static const ATOM atom = [] {
        WNDCLASSA type{};
        type.lpfnWndProc = DuringLoadProc;
        type.hInstance = GetModuleHandleA(nullptr);
        type.lpszClassName = "PagewickTestDuringLoad";
        return RegisterClassA(&type);
    }();
    return atom ? CreateWindowExA(0, "PagewickTestDuringLoad", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr,
                                  nullptr)
                : nullptr;
}

// A sheet of 20,000 rows (about 300 KiB): its reading passes several of the parser's steps.
std::string BigSheet()
{
    std::string out;
    for (int r = 0; r < 20000; ++r) out += "row" + std::to_string(r) + ",\"a,b\",c\r\n";
    return out;
}

// The tooltip windows the cell editor owns, with the text of their tool on the edit control.
std::vector<std::string> EditorTips(HWND editor, HWND edit)
{
    struct Search {
        HWND editor;
        HWND edit;
        std::vector<std::string> texts;
    } search{editor, edit, {}};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM lp) -> BOOL {
            auto& found = *reinterpret_cast<Search*>(lp);
            char type[64] = {};
            GetClassNameA(window, type, sizeof(type));
            if (lstrcmpiA(type, TOOLTIPS_CLASSA) != 0 || GetWindow(window, GW_OWNER) != found.editor) return TRUE;
            char text[256] = {};
            TOOLINFOA info{};
            info.cbSize = TTTOOLINFOA_V1_SIZE;
            info.hwnd = found.editor;
            info.uId = reinterpret_cast<UINT_PTR>(found.edit);
            info.lpszText = text;
            SendMessageA(window, TTM_GETTEXTA, sizeof(text), reinterpret_cast<LPARAM>(&info));
            found.texts.push_back(text);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.texts;
}

class SheetTest : public PagewickTest {
protected:
    void StartWith(const std::string& name, const std::string& bytes, const std::string& general = "",
                   const std::string& info = "")
    {
        notes_ = InFolder("Notes");
        MakeFolder(notes_);
        WriteFile(Path(name), bytes);
        if (!info.empty()) WriteFile(Path(name) + ".fw", info);
        WriteIni(
            "[General]\r\nUseStatBar=1\r\nRootAutoAddCDrive=0\r\nRootAutoAddMyDocuments=0\r\n"
            "RootAutoAddAmbervale=0\r\n" +
            general + "\r\n[BasicRoots]\r\n" + notes_ + "=Notes;.txt\r\n");
        ASSERT_TRUE(Start());
        ClickFile(name);
        ASSERT_TRUE(pw::SheetOpen());
    }

    std::string Path(const std::string& name) const { return notes_ + "\\" + name; }
    static pw::SheetState& State() { return pw::SheetArea(); }
    static HWND Pane() { return pw::Main().panes.sheet; }
    static int LineCount() { return static_cast<int>(SendMessageA(Pane(), LVM_GETITEMCOUNT, 0, 0)); }

    static std::string Cell(int line, int column)
    {
        char text[1100] = {};
        LVITEMA item{};
        item.iSubItem = column;
        item.pszText = text;
        item.cchTextMax = sizeof(text);
        SendMessageA(Pane(), LVM_GETITEMTEXTA, line, reinterpret_cast<LPARAM>(&item));
        return text;
    }

    static std::vector<std::string> ColumnOf(int column)
    {
        std::vector<std::string> out;
        for (int i = 0; i < LineCount(); ++i) out.push_back(Cell(i, column));
        return out;
    }

    static std::string Title(int column)
    {
        char text[260] = {};
        LVCOLUMNA info{};
        info.mask = LVCF_TEXT;
        info.pszText = text;
        info.cchTextMax = sizeof(text);
        SendMessageA(Pane(), LVM_GETCOLUMNA, column, reinterpret_cast<LPARAM>(&info));
        return text;
    }

    // The right-click point of the row and column commands, on a cell.
    static void PointAt(int line, int column)
    {
        RECT cell{};
        cell.top = column;
        cell.left = LVIR_BOUNDS;
        SendMessageA(Pane(), LVM_GETSUBITEMRECT, line, reinterpret_cast<LPARAM>(&cell));
        POINT point{cell.left + 4, cell.top + 3};
        ClientToScreen(Pane(), &point);
        State().rightClick = point;
    }

    void EditTo(int line, int column, const std::string& text, int key)
    {
        pw::MoveCursorTo(line, column);
        pw::EditCurrentCell();
        HWND edit = pw::CellEditBox();
        ASSERT_NE(edit, nullptr);
        SetWindowTextA(edit, text.c_str());
        PostMessageA(edit, WM_KEYDOWN, key, 0);
        Pump();
    }

    void ClickTitle(int column)
    {
        NMLISTVIEW click{};
        click.hdr.hwndFrom = Pane();
        click.hdr.idFrom = IDW_SHEET;
        click.hdr.code = LVN_COLUMNCLICK;
        click.iItem = -1;
        click.iSubItem = column;
        SendMessageA(hwnd, WM_NOTIFY, IDW_SHEET, reinterpret_cast<LPARAM>(&click));
        Pump();
    }

    std::string notes_;
};

TEST_F(SheetTest, OpensEveryRowAndColumnAndLeavesAnUneditedFileAlone)
{
    StartWith("odd.csv", kOddFile);
    EXPECT_EQ(LineCount(), 4);
    EXPECT_EQ(Title(0), "fw");
    EXPECT_EQ(Title(1), "A");
    EXPECT_EQ(Title(3), "C");
    EXPECT_EQ(ColumnOf(0), (std::vector<std::string>{"1", "2", "3", "4"}));
    EXPECT_EQ(ColumnOf(2), (std::vector<std::string>{"x\r\ny", "say \"hi\"", "short", "z"}));
    EXPECT_EQ(ColumnOf(3), (std::vector<std::string>{"3", "", "", "1"}));
    EXPECT_EQ(TextOf(hwnd), "odd.csv");
    Command(CMD_SAVE_KEY);
    Stop();
    EXPECT_EQ(ReadFile(Path("odd.csv")), kOddFile);
    EXPECT_FALSE(Exists(pw::FileInfoFolder() + "\\odd.csv.0.x"));
}

TEST_F(SheetTest, EnterKeepsTheEditEscapeDropsItAndSaveWritesEveryOtherCell)
{
    StartWith("odd.csv", kOddFile);
    EditTo(0, 1, "dropped", VK_ESCAPE);
    EXPECT_EQ(pw::CellEditBox(), nullptr);
    EXPECT_EQ(Cell(0, 1), "b");
    EXPECT_FALSE(State().sheet.isModified);
    EditTo(0, 1, "kept", VK_RETURN);
    EXPECT_EQ(pw::CellEditBox(), nullptr);
    EXPECT_EQ(Cell(0, 1), "kept");
    EXPECT_EQ(TextOf(hwnd), "odd.csv*");
    Command(CMD_SAVE_KEY);
    EXPECT_EQ(pw::LastStatusText(), "Saved spreadsheet file");
    EXPECT_EQ(TextOf(hwnd), "odd.csv");
    EXPECT_EQ(ReadFile(Path("odd.csv")), "kept,\"x\r\ny\",3\r\nA,\"say \"\"hi\"\"\",\r\n,short,\r\nc,z,1\r\n");
    // The file as it was before the save is the newest backup.
    EXPECT_EQ(ReadFile(pw::FileInfoFolder() + "\\odd.csv.0.x"), kOddFile);
}

TEST_F(SheetTest, TheCellEditorsMenuFollowsItsSelection)
{
    StartWith("t.csv", "abc,\r\n");
    pw::MoveCursorTo(0, 2);
    pw::EditCurrentCell();
    HWND edit = pw::CellEditBox();
    ASSERT_NE(edit, nullptr);
    auto state = [](HMENU menu, UINT id) { return GetMenuState(menu, id, MF_BYCOMMAND) & MF_GRAYED; };
    HMENU empty = pw::CellEditMenu();
    char text[64] = {};
    GetMenuStringA(empty, WM_UNDO, text, sizeof(text), MF_BYCOMMAND);
    EXPECT_STREQ(text, "    Undo   ");
    EXPECT_TRUE(state(empty, WM_CUT));
    EXPECT_TRUE(state(empty, WM_COPY));
    EXPECT_TRUE(state(empty, EM_SETSEL));
    DestroyMenu(empty);
    pw::EndCellEditing(false);
    pw::MoveCursorTo(0, 1);
    pw::EditCurrentCell();
    edit = pw::CellEditBox();
    SendMessageA(edit, EM_SETSEL, 0, 2);
    HMENU selected = pw::CellEditMenu();
    EXPECT_FALSE(state(selected, WM_CUT));
    EXPECT_FALSE(state(selected, WM_COPY));
    EXPECT_FALSE(state(selected, EM_SETSEL));
    DestroyMenu(selected);
}

TEST_F(SheetTest, CellsAreNotEditedInViewMode)
{
    StartWith("t.csv", "a,b\r\n");
    if (pw::Main().mode != pw::ViewMode::View) Command(CMD_TOGGLE_MODE);
    ASSERT_TRUE(pw::SheetOpen());
    pw::MoveCursorTo(0, 1);
    pw::EditCurrentCell();
    EXPECT_EQ(pw::CellEditBox(), nullptr);
    EXPECT_EQ(pw::LastStatusText(), "Cannot edit in View mode");
    pw::InsertSheetRow();
    EXPECT_EQ(LineCount(), 1);
}

TEST_F(SheetTest, ArrowKeysMoveTheCursorWithinTheSheet)
{
    StartWith("t.csv", "a,b,c\r\nd,e,f\r\n");
    pw::MoveCursorTo(0, 1);
    SendMessageA(Pane(), WM_KEYDOWN, VK_RIGHT, 0);
    SendMessageA(Pane(), WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(State().cursorLine, 1);
    EXPECT_EQ(State().cursorColumn, 2);
    SendMessageA(Pane(), WM_KEYDOWN, VK_DOWN, 0);
    SendMessageA(Pane(), WM_KEYDOWN, VK_RIGHT, 0);
    SendMessageA(Pane(), WM_KEYDOWN, VK_RIGHT, 0);
    EXPECT_EQ(State().cursorLine, 1);
    EXPECT_EQ(State().cursorColumn, 3);
    SendMessageA(Pane(), WM_KEYDOWN, VK_LEFT, 0);
    SendMessageA(Pane(), WM_KEYDOWN, VK_UP, 0);
    EXPECT_EQ(State().cursorLine, 0);
    EXPECT_EQ(State().cursorColumn, 2);
}

TEST_F(SheetTest, SortingTwiceReversesAndBlanksCanStayAtTheBottom)
{
    StartWith("s.csv", "b\r\n\r\nc\r\na\r\n", "", "[General]\r\nSpreadsheetSortHeader=0\r\n");
    ClickTitle(1);
    EXPECT_EQ(ColumnOf(1), (std::vector<std::string>{"", "a", "b", "c"}));
    ClickTitle(1);
    EXPECT_EQ(ColumnOf(1), (std::vector<std::string>{"c", "b", "a", ""}));
    EXPECT_EQ(ColumnOf(0), (std::vector<std::string>{"1", "2", "3", "4"}));
    pw::Settings().SetGeneral("SpreadsheetSortBlankAtBottom", "1");
    pw::Settings().Reload();
    ClickTitle(1);
    EXPECT_EQ(ColumnOf(1), (std::vector<std::string>{"a", "b", "c", ""}));
    ClickTitle(1);
    EXPECT_EQ(ColumnOf(1), (std::vector<std::string>{"c", "b", "a", ""}));
    Command(CMD_SAVE_KEY);
    EXPECT_EQ(ReadFile(Path("s.csv")), "c\r\nb\r\na\r\n\r\n");
}

TEST_F(SheetTest, UnsortableColumnsDoNotSort)
{
    StartWith("s.csv", "b\r\na\r\n");
    ClickTitle(1);
    EXPECT_EQ(ColumnOf(1), (std::vector<std::string>{"b", "a"}));
    EXPECT_FALSE(GetMenuState(GetMenu(hwnd), CMD_SHEET_SORTABLE, MF_BYCOMMAND) & MF_CHECKED);
    Command(CMD_SHEET_SORTABLE);
    EXPECT_TRUE(GetMenuState(GetMenu(hwnd), CMD_SHEET_SORTABLE, MF_BYCOMMAND) & MF_CHECKED);
    ClickTitle(1);
    EXPECT_EQ(ColumnOf(1), (std::vector<std::string>{"a", "b"}));
    EXPECT_NE(ReadFile(Path("s.csv") + ".fw").find("SpreadsheetSortHeader=0"), std::string::npos);
}

TEST_F(SheetTest, GroupingShowsHeadersAndUngroupingRestoresTheRows)
{
    StartWith("g.csv", "kind,n\r\nFruit,1\r\n,2\r\nfruit,3\r\nNut,4\r\n", "",
              "[General]\r\nSpreadsheetFirstRowAsTitle=1\r\n");
    EXPECT_EQ(Title(1), "kind");
    PointAt(0, 1);
    pw::SheetCommand(614);
    EXPECT_EQ(ColumnOf(1),
              (std::vector<std::string>{"- Fruit (2)", "Fruit", "fruit", "- No group (1)", "", "- Nut (1)", "Nut"}));
    EXPECT_EQ(ColumnOf(2), (std::vector<std::string>{"", "1", "3", "", "2", "", "4"}));
    pw::SheetCommand(617);
    EXPECT_EQ(ColumnOf(1), (std::vector<std::string>{"+ Fruit (2)", "+ No group (1)", "+ Nut (1)"}));
    pw::SheetCommand(616);
    pw::SheetCommand(615);
    EXPECT_EQ(ColumnOf(1), (std::vector<std::string>{"Fruit", "", "fruit", "Nut"}));
    EXPECT_FALSE(State().sheet.isModified);
}

TEST_F(SheetTest, RowCommandsInsertDeleteCutAndPaste)
{
    StartWith("r.csv", "a,1\r\nb,2\r\nc,3\r\n");
    PointAt(0, 1);
    pw::SheetCommand(607);
    EXPECT_EQ(ColumnOf(1), (std::vector<std::string>{"a", "", "b", "c"}));
    EXPECT_EQ(ColumnOf(0), (std::vector<std::string>{"1", "2", "3", "4"}));
    PointAt(1, 1);
    pw::SheetCommand(613);
    EXPECT_EQ(ColumnOf(1), (std::vector<std::string>{"a", "b", "c"}));
    PointAt(0, 1);
    pw::SheetCommand(608);
    EXPECT_EQ(ColumnOf(1), (std::vector<std::string>{"b", "c"}));
    PointAt(1, 2);
    pw::SheetCommand(611);
    EXPECT_EQ(ColumnOf(1), (std::vector<std::string>{"b", "c", "a"}));
    EXPECT_EQ(ColumnOf(2), (std::vector<std::string>{"2", "3", "1"}));
    // The clipboard is emptied by the paste: a second paste adds nothing.
    pw::SheetCommand(611);
    EXPECT_EQ(LineCount(), 3);
    pw::MoveCursorTo(2, 1);
    pw::InsertSheetRow();
    EXPECT_EQ(LineCount(), 4);
    Command(CMD_SAVE_KEY);
    EXPECT_EQ(ReadFile(Path("r.csv")), "b,2\r\nc,3\r\na,1\r\n,\r\n");
}

TEST_F(SheetTest, ColumnCommandsAskBeforeDeleting)
{
    StartWith("c.csv", "a,b\r\nc,d\r\n");
    PointAt(0, 2);
    pw::SheetCommand(609);
    EXPECT_EQ(ColumnOf(2), (std::vector<std::string>{"", ""}));
    EXPECT_EQ(ColumnOf(3), (std::vector<std::string>{"b", "d"}));
    boxAnswer = IDNO;
    PointAt(0, 1);
    pw::SheetCommand(610);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, "Verify");
    EXPECT_EQ(ColumnOf(1), (std::vector<std::string>{"a", "c"}));
    boxAnswer = IDYES;
    pw::SheetCommand(610);
    EXPECT_EQ(ColumnOf(1), (std::vector<std::string>{"", ""}));
    PointAt(0, 0);
    pw::SheetCommand(610);
    EXPECT_EQ(pw::LastStatusText(), "Can't delete first column");
    Command(CMD_SAVE_KEY);
    EXPECT_EQ(ReadFile(Path("c.csv")), ",b\r\n,d\r\n");
}

TEST_F(SheetTest, TitleRowToggleReopensWithTitles)
{
    StartWith("t.csv", "Name,,Age\r\nAnn,x,3\r\n");
    EXPECT_EQ(LineCount(), 2);
    EXPECT_FALSE(GetMenuState(GetMenu(hwnd), CMD_SHEET_TITLE_ROW, MF_BYCOMMAND) & MF_CHECKED);
    Command(CMD_SHEET_TITLE_ROW);
    ASSERT_TRUE(pw::SheetOpen());
    EXPECT_TRUE(GetMenuState(GetMenu(hwnd), CMD_SHEET_TITLE_ROW, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_EQ(LineCount(), 1);
    EXPECT_EQ(Title(1), "Name");
    EXPECT_EQ(Title(2), "B");
    EXPECT_EQ(Title(3), "Age");
    EditTo(0, 1, "Bo", VK_RETURN);
    Command(CMD_SAVE_KEY);
    // The empty title is shown as its letter and kept empty in the file.
    EXPECT_EQ(ReadFile(Path("t.csv")), "Name,,Age\r\nBo,x,3\r\n");
}

TEST_F(SheetTest, BracketLinkOpensOrCreatesItsNote)
{
    StartWith("l.csv", "see [[Plan]] http://x.org/a b\r\n");
    pw::MoveCursorTo(0, 1);
    pw::SheetCommand(618);
    EXPECT_TRUE(Exists(Path("Plan.txt")));
    EXPECT_EQ(pw::Main().library.currentViewer, pw::kTextViewer);
    EXPECT_FALSE(pw::SheetOpen());
}

TEST_F(SheetTest, NewSpreadsheetFromTheMenuIsAnEmptyFiveByFiveSheetInEditMode)
{
    StartWith("a.csv", "x\r\n");
    if (pw::Main().mode != pw::ViewMode::View) Command(CMD_TOGGLE_MODE);
    Command(CMD_NEW_SHEET);
    const std::string row = "\"\",\"\",\"\",\"\",\"\"\r\n";
    EXPECT_EQ(ReadFile(Path("New Spreadsheet.csv")), row + row + row + row + row);
    EXPECT_EQ(pw::CurrentPlace().file, "New Spreadsheet.csv");
    EXPECT_EQ(pw::Main().mode, pw::ViewMode::Edit);
    ASSERT_TRUE(pw::SheetOpen());
    EXPECT_EQ(LineCount(), 5);
    EXPECT_EQ(State().cursorLine, 0);
    EXPECT_EQ(State().cursorColumn, 1);
    EXPECT_FALSE(State().sheet.layout.columnsNotSortable);
    Command(CMD_NEW_SHEET);
    EXPECT_EQ(pw::CurrentPlace().file, "New Spreadsheet_1.csv");
    // Nothing was edited: the first new sheet is as it was written.
    EXPECT_EQ(ReadFile(Path("New Spreadsheet.csv")), row + row + row + row + row);
}

TEST_F(SheetTest, FindInSheetGoesRowByRowAndStopsAtTheEnd)
{
    StartWith("f.csv", "a,Key\r\nkey2,b\r\n");
    ASSERT_TRUE(pw::SheetCellSearch("KEY", false));
    EXPECT_EQ(State().cursorLine, 0);
    EXPECT_EQ(State().cursorColumn, 2);
    ASSERT_TRUE(pw::SheetCellSearch("key", true));
    EXPECT_EQ(State().cursorLine, 1);
    EXPECT_EQ(State().cursorColumn, 1);
    EXPECT_FALSE(pw::SheetCellSearch("key", true));
    EXPECT_TRUE(pw::SheetCellSearch("key", false));
    EXPECT_EQ(State().cursorLine, 0);
}

TEST_F(SheetTest, AFailedSaveSaysWhyAndKeepsTheEdits)
{
    StartWith("ro.csv", "a,b\r\n");
    EditTo(0, 1, "new", VK_RETURN);
    SetFileAttributesA(Path("ro.csv").c_str(), FILE_ATTRIBUTE_READONLY);
    Command(CMD_SAVE_KEY);
    EXPECT_EQ(pw::LastStatusText().rfind("Error saving spreadsheet file: ", 0), 0u) << pw::LastStatusText();
    EXPECT_TRUE(State().sheet.isModified);
    EXPECT_EQ(ReadFile(Path("ro.csv")), "a,b\r\n");
    SetFileAttributesA(Path("ro.csv").c_str(), FILE_ATTRIBUTE_NORMAL);
    Command(CMD_SAVE_KEY);
    EXPECT_EQ(ReadFile(Path("ro.csv")), "new,b\r\n");
}

TEST_F(SheetTest, EveryColumnOfAWideSheetIsShownAndSaved)
{
    std::string row;
    for (int c = 1; c <= 60; ++c) row += (c > 1 ? "," : "") + std::to_string(c);
    StartWith("w.csv", row + "\r\n");
    EXPECT_EQ(Header_GetItemCount(ListView_GetHeader(Pane())), 61);
    EXPECT_EQ(Title(52), "z");
    EXPECT_EQ(Title(53), "A2");
    EXPECT_EQ(Cell(0, 60), "60");
    EditTo(0, 1, "one", VK_RETURN);
    Command(CMD_SAVE_KEY);
    EXPECT_EQ(ReadFile(Path("w.csv")), "one" + row.substr(1) + "\r\n");
}

TEST_F(SheetTest, ARowInsertedIntoAGroupTakesTheGroupText)
{
    StartWith("g.csv", "a,x\r\nb,y\r\nc,x\r\n");
    PointAt(0, 2);
    pw::SheetCommand(614);
    ASSERT_EQ(ColumnOf(1), (std::vector<std::string>{"- x (2)", "a", "c", "- y (1)", "b"}));
    // Below the last row of the sheet, shown last in group y.
    PointAt(4, 1);
    pw::SheetCommand(607);
    EXPECT_EQ(ColumnOf(1), (std::vector<std::string>{"- x (2)", "a", "c", "- y (2)", "b", ""}));
    EXPECT_EQ(ColumnOf(2), (std::vector<std::string>{"", "x", "x", "", "y", "y"}));
    Command(CMD_SAVE_KEY);
    EXPECT_EQ(ReadFile(Path("g.csv")), "a,x\r\nb,y\r\n,y\r\nc,x\r\n");
}

TEST_F(SheetTest, AQuitDuringTheLoadAbandonsItAndStaysForTheLoop)
{
    const std::string big = BigSheet();
    MakeFolder(InFolder("Notes"));
    WriteFile(InFolder("Notes") + "\\big.csv", big);
    StartWith("a.csv", "x\r\n");
    PostQuitMessage(7);
    ASSERT_TRUE(pw::SelectAndOpenFile("big.csv"));
    EXPECT_FALSE(pw::SheetOpen());
    EXPECT_EQ(LineCount(), 0);
    EXPECT_EQ(pw::LastStatusText().find("Cannot read"), std::string::npos) << pw::LastStatusText();
    MSG quit{};
    ASSERT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(quit.wParam, 7u);
    Stop();
    EXPECT_EQ(ReadFile(Path("big.csv")), big);
    EXPECT_EQ(ReadFile(Path("a.csv")), "x\r\n");
    EXPECT_FALSE(Exists(pw::FileInfoFolder() + "\\big.csv.0.x"));
}

// Messages handled while a sheet loads may ask for another file or leave the sheet: a second open is
// refused until the first is done, and leaving the sheet ends the load with nothing shown.
TEST_F(SheetTest, WhatIsAskedDuringTheLoadLeavesOneSheetOrNone)
{
    const std::string big = BigSheet();
    MakeFolder(InFolder("Notes"));
    WriteFile(InFolder("Notes") + "\\big.csv", big);
    WriteFile(InFolder("Notes") + "\\other.csv", "o\r\n");
    StartWith("a.csv", "x\r\n");
    HWND during = DuringLoadWindow();
    ASSERT_NE(during, nullptr);
    int handled = 0;
    g_duringLoad = [&] {
        ++handled;
        pw::SelectAndOpenFile("other.csv");
    };
    PostMessageA(during, kDuringLoad, 0, 0);
    ASSERT_TRUE(pw::SelectAndOpenFile("big.csv"));
    EXPECT_EQ(handled, 1);
    ASSERT_TRUE(pw::SheetOpen());
    EXPECT_EQ(LineCount(), 20000);
    EXPECT_EQ(State().sheet.path, Path("big.csv"));
    EXPECT_EQ(Cell(19999, 1), "row19999");

    g_duringLoad = [&] {
        ++handled;
        pw::SwitchViewer(pw::kTextViewer);
    };
    PostMessageA(during, kDuringLoad, 0, 0);
    ASSERT_TRUE(pw::SelectAndOpenFile("big.csv"));
    EXPECT_EQ(handled, 2);
    EXPECT_FALSE(pw::SheetOpen());
    EXPECT_EQ(LineCount(), 0);
    EXPECT_EQ(pw::CurrentViewer(), pw::kTextViewer);
    EXPECT_EQ(pw::LastStatusText().find("Cannot read"), std::string::npos) << pw::LastStatusText();
    g_duringLoad = nullptr;
    DestroyWindow(during);
    Stop();
    EXPECT_EQ(ReadFile(Path("big.csv")), big);
    EXPECT_EQ(ReadFile(Path("other.csv")), "o\r\n");
}

// The editor is the resource's borderless dialog, laid over the cell a little larger than it, with its
// right edge kept 18 pixels inside the pane.
TEST_F(SheetTest, TheCellEditorIsItsDialogLaidOverTheCell)
{
    ASSERT_NE(FindResourceA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_CELL_EDIT), RT_DIALOG), nullptr);
    StartWith("t.csv", "ab,cd\r\nef,gh\r\n");
    auto expected = [](int line, int column) {
        RECT cell{};
        cell.top = column;
        cell.left = LVIR_BOUNDS;
        SendMessageA(Pane(), LVM_GETSUBITEMRECT, line, reinterpret_cast<LPARAM>(&cell));
        RECT client{};
        GetClientRect(Pane(), &client);
        cell.right = std::min(cell.right, client.right - 18);
        cell.left = std::max(cell.left, 0L);
        MapWindowPoints(Pane(), nullptr, reinterpret_cast<POINT*>(&cell), 2);
        return RECT{cell.left, cell.top, cell.right + 3, cell.bottom + 4};
    };
    RECT client{};
    GetClientRect(Pane(), &client);
    struct Case {
        int line;
        int column;
        int width;  // 0: as it is
    } cases[] = {{1, 2, 0}, {0, 1, static_cast<int>(client.right) + 400}};
    for (const Case& c : cases) {
        if (c.width) SendMessageA(Pane(), LVM_SETCOLUMNWIDTH, c.column, c.width);
        pw::MoveCursorTo(c.line, c.column);
        pw::EditCurrentCell();
        HWND edit = pw::CellEditBox();
        ASSERT_NE(edit, nullptr);
        HWND editor = GetParent(edit);
        char type[32] = {};
        GetClassNameA(editor, type, sizeof(type));
        EXPECT_STREQ(type, "#32770");
        EXPECT_EQ(GetDlgCtrlID(edit), IDC_CELL_EDIT);
        const LONG_PTR style = GetWindowLongPtrA(editor, GWL_STYLE);
        EXPECT_TRUE(style & WS_POPUP);
        EXPECT_FALSE(style & (WS_CAPTION | WS_THICKFRAME));
        EXPECT_TRUE(IsWindowVisible(editor));
        RECT box{};
        GetWindowRect(editor, &box);
        const RECT want = expected(c.line, c.column);
        EXPECT_EQ(box.left, want.left);
        EXPECT_EQ(box.top, want.top);
        EXPECT_EQ(box.right, want.right);
        EXPECT_EQ(box.bottom, want.bottom);
        RECT field{};
        GetWindowRect(edit, &field);
        EXPECT_EQ(field.right - field.left, box.right - box.left);
        EXPECT_EQ(TextOf(edit), Cell(c.line, c.column));
        pw::EndCellEditing(false);
        EXPECT_FALSE(IsWindow(editor));
    }
    EXPECT_FALSE(State().sheet.isModified);
}

TEST_F(SheetTest, TheEditorsTooltipIsLeftOutInExpertMode)
{
    struct Case {
        const char* general;
        std::vector<std::string> tips;
    } cases[] = {
        {"", {"Press Enter after entering text to assign to cell"}},
        {"ExpertMode=0", {"Press Enter after entering text to assign to cell"}},
        {"ExpertMode=1", {}},
    };
    for (const Case& c : cases) {
        StartWith("t.csv", "a,b\r\n", c.general);
        pw::MoveCursorTo(0, 1);
        pw::EditCurrentCell();
        HWND edit = pw::CellEditBox();
        ASSERT_NE(edit, nullptr);
        EXPECT_EQ(EditorTips(GetParent(edit), edit), c.tips) << c.general;
        pw::EndCellEditing(false);
        Stop();
    }
}

// The editor shows and takes at most 1023 characters; a longer cell is kept whole unless its text changes.
TEST_F(SheetTest, ALongCellIsShownCutAndKeptWholeUnlessChanged)
{
    const std::string longCell(3000, 'q');
    const std::string file = "a," + longCell + "\r\n";
    StartWith("t.csv", file);
    pw::MoveCursorTo(0, 2);
    pw::EditCurrentCell();
    HWND edit = pw::CellEditBox();
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(TextOf(edit), std::string(1023, 'q'));
    // Typing at the end is refused at the limit.
    SendMessageA(edit, WM_CHAR, 'z', 0);
    EXPECT_EQ(GetWindowTextLengthA(edit), 1023);
    PostMessageA(edit, WM_KEYDOWN, VK_RETURN, 0);
    Pump();
    EXPECT_EQ(pw::CellEditBox(), nullptr);
    EXPECT_FALSE(State().sheet.isModified);
    EXPECT_EQ(State().sheet.CellText(0, 1).value_or(""), longCell);
    // A real change replaces the cell: with what the editor holds.
    EditTo(0, 2, std::string(1023, 'q').replace(0, 1, "Q"), VK_RETURN);
    EXPECT_TRUE(State().sheet.isModified);
    Command(CMD_SAVE_KEY);
    EXPECT_EQ(ReadFile(Path("t.csv")), "a,Q" + std::string(1022, 'q') + "\r\n");
}

}  // namespace
}  // namespace pwtest
