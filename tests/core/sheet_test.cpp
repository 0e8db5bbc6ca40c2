#include <gtest/gtest.h>

#include <map>
#include <set>

#include "memory_files.h"
#include "settings/settings_store.h"
#include "sheet/cell_links.h"
#include "sheet/csv.h"
#include "sheet/new_sheet.h"
#include "sheet/sheet_files.h"
#include "sheet/sheet_model.h"
#include "sheet/sheet_order.h"

namespace pw {
namespace {

using Rows = std::vector<std::vector<std::string>>;

Sheet Open(std::string_view bytes, bool title = false)
{
    Sheet sheet;
    sheet.layout.firstRowIsTitle = title;
    sheet.Load(ParseCsv(bytes, ',', true));
    return sheet;
}

std::vector<std::string> Column(const Sheet& sheet, std::size_t column)
{
    std::vector<std::string> out;
    for (std::size_t i = 0; i < sheet.DataRowCount(); ++i) {
        out.emplace_back(sheet.CellText(sheet.FirstDataRow() + i, column).value_or("-"));
    }
    return out;
}

TEST(SheetTest, EditingOneCellKeepsEveryOtherCell)
{
    const std::string file = "name,note\r\n\"a,1\",\"x\r\ny\"\nshort\r\n$BLANK$CELL$,\"\"\"q\"\"\"\r\n";
    Sheet sheet = Open(file);
    sheet.SetCell(0, 1, "edited");
    EXPECT_EQ(CsvText(sheet.FileRows(), sheet.ColumnCount(), ',', sheet.hadMark),
              "name,edited\r\n\"a,1\",\"x\r\ny\"\r\nshort,\r\n$BLANK$CELL$,\"\"\"q\"\"\"\r\n");
}

TEST(SheetTest, RowAndColumnEdits)
{
    Sheet sheet = Open("t1,t2\r\na,b\r\nc,d\r\n", true);
    EXPECT_EQ(sheet.DataRowCount(), 2u);
    EXPECT_EQ(sheet.InsertDataRow(0, {}), 1u);
    EXPECT_TRUE(sheet.DataRow(1).placeholder);
    EXPECT_EQ(sheet.InsertDataRow(std::nullopt, {"z"}), 3u);
    EXPECT_EQ(Column(sheet, 0), (std::vector<std::string>{"a", "", "c", "z"}));
    sheet.SetCell(2, 0, "new");
    EXPECT_FALSE(sheet.DataRow(1).placeholder);
    sheet.DeleteDataRow(0);
    EXPECT_EQ(Column(sheet, 0), (std::vector<std::string>{"new", "c", "z"}));
    sheet.InsertColumn(1);
    EXPECT_EQ(sheet.ColumnCount(), 3u);
    EXPECT_EQ(sheet.Rows()[0].cells, (std::vector<std::string>{"t1", "", "t2"}));
    sheet.DeleteColumn(0);
    EXPECT_EQ(sheet.Rows()[2].cells, (std::vector<std::string>{"", "d"}));
    // Ids stay with their rows.
    const std::uint32_t id = sheet.DataRow(1).id;
    sheet.DeleteDataRow(0);
    EXPECT_EQ(sheet.FindRow(id), 1u);
}

TEST(SheetTest, TitlesFollowTheLetterRuleAndStayUnique)
{
    EXPECT_EQ(ColumnLetters(1), "A");
    EXPECT_EQ(ColumnLetters(26), "Z");
    EXPECT_EQ(ColumnLetters(27), "a");
    EXPECT_EQ(ColumnLetters(52), "z");
    EXPECT_EQ(ColumnLetters(53), "A2");
    EXPECT_EQ(ColumnLetters(105), "A3");
    std::set<std::string> seen;
    for (std::size_t k = 1; k <= 259; ++k) EXPECT_TRUE(seen.insert(ColumnLetters(k)).second) << k;
    const Sheet titled = Open("Name,,x\r\n1,2,3\r\n", true);
    EXPECT_EQ(ColumnTitle(titled, 1), "Name");
    EXPECT_EQ(ColumnTitle(titled, 2), "B");
    // The empty title is shown as its letter but saved as it was.
    EXPECT_EQ(CsvText(titled.FileRows(), titled.ColumnCount(), ',', false), "Name,,x\r\n1,2,3\r\n");
}

TEST(SheetTest, SortingByAColumn)
{
    Sheet sheet = Open("k\r\nb\r\n\r\n10\r\nA\r\n9\r\na\r\n", true);
    EXPECT_EQ(Column(sheet, 0), (std::vector<std::string>{"b", "", "10", "A", "9", "a"}));
    sheet.ReorderDataRows(SortedOrder(sheet, 0, false, false));
    EXPECT_EQ(Column(sheet, 0), (std::vector<std::string>{"", "10", "9", "A", "a", "b"}));
    sheet.ReorderDataRows(SortedOrder(sheet, 0, true, false));
    EXPECT_EQ(Column(sheet, 0), (std::vector<std::string>{"b", "A", "a", "9", "10", ""}));
    sheet.ReorderDataRows(SortedOrder(sheet, 0, false, true));
    EXPECT_EQ(Column(sheet, 0), (std::vector<std::string>{"10", "9", "A", "a", "b", ""}));
    sheet.ReorderDataRows(SortedOrder(sheet, 0, true, true));
    EXPECT_EQ(Column(sheet, 0), (std::vector<std::string>{"b", "A", "a", "9", "10", ""}));
    EXPECT_EQ(sheet.Rows()[0].cells[0], "k");
    // A missing cell sorts as empty.
    Sheet ragged = Open("x,2\r\ny\r\nz,1\r\n");
    ragged.ReorderDataRows(SortedOrder(ragged, 1, false, true));
    EXPECT_EQ(Column(ragged, 0), (std::vector<std::string>{"z", "x", "y"}));
}

TEST(SheetTest, GroupingIgnoresCaseAndCollectsBlanks)
{
    const Sheet sheet = Open("kind,n\r\nFruit,1\r\n,2\r\nfruit,3\r\nNut,4\r\nFRUIT,5\r\nx\r\n", true);
    const SheetGrouping grouping = GroupRows(sheet, 0);
    ASSERT_EQ(grouping.groups.size(), 4u);
    EXPECT_EQ(grouping.groups[0].name, "Fruit");
    EXPECT_EQ(grouping.groups[0].id, 2);
    EXPECT_EQ(grouping.groups[1].name, "No group");
    EXPECT_EQ(grouping.groups[2].name, "Nut");
    EXPECT_EQ(grouping.groupOfRow, (std::vector<int>{2, 3, 2, 4, 2, 5}));
    EXPECT_EQ(grouping.RowsByGroup(), (std::vector<std::size_t>{0, 2, 4, 1, 3, 5}));
    // The missing cell of row "x" in column 1 is a blank too.
    const SheetGrouping byNumber = GroupRows(sheet, 1);
    EXPECT_EQ(byNumber.Find(byNumber.groupOfRow[5])->name, "No group");
}

class RingFiles : public BackupFiles {
public:
    std::map<std::string, std::string> files;
    std::string current = "v0";
    bool failCopies = false;

    bool Exists(const std::string& path) override { return files.count(path) != 0; }
    bool Remove(const std::string& path) override { return files.erase(path) != 0; }
    bool Move(const std::string& from, const std::string& to) override
    {
        if (!files.count(from)) return false;
        files[to] = files[from];
        files.erase(from);
        return true;
    }
    bool CopyCurrent(const std::string& to) override
    {
        if (failCopies) return false;
        files[to] = current;
        return true;
    }
};

std::map<std::string, std::string> Saves(int slots, int count)
{
    RingFiles ring;
    for (int i = 1; i <= count; ++i) {
        ring.current = "v" + std::to_string(i);
        TakeBackup(ring, "B", slots);
    }
    return ring.files;
}

TEST(SheetTest, BackupRing)
{
    using Files = std::map<std::string, std::string>;
    EXPECT_EQ(Saves(0, 3), (Files{{"B.0.x", "v3"}}));
    EXPECT_EQ(Saves(-2, 2), (Files{{"B.0.x", "v2"}}));
    EXPECT_EQ(Saves(1, 1), (Files{{"B.0.x", "v1"}}));
    EXPECT_EQ(Saves(1, 4), (Files{{"B.0.x", "v4"}}));
    EXPECT_EQ(Saves(5, 3), (Files{{"B.0", "v1"}, {"B.1", "v2"}, {"B.2.x", "v3"}}));
    EXPECT_EQ(Saves(5, 5), (Files{{"B.0", "v1"}, {"B.1", "v2"}, {"B.2", "v3"}, {"B.3", "v4"}, {"B.4.x", "v5"}}));
    // The sixth save takes the place of the oldest.
    EXPECT_EQ(Saves(5, 7), (Files{{"B.0", "v6"}, {"B.1.x", "v7"}, {"B.2", "v3"}, {"B.3", "v4"}, {"B.4", "v5"}}));
    // A copy that fails keeps the slot it would have replaced.
    RingFiles ring;
    ring.files = {{"B.0.x", "v1"}, {"B.1", "old"}};
    ring.failCopies = true;
    TakeBackup(ring, "B", 5);
    EXPECT_EQ(ring.files, (Files{{"B.0", "v1"}, {"B.1", "old"}}));
}

TEST(SheetTest, SettingsAndLayout)
{
    test::MemoryFiles files;
    files.files["C:\\p.ini"] = "[General]\r\nSpreadSheetDelimiter=|x\r\nSSMaxBackup=2\r\nSSSaveWidths=no\r\n";
    SettingsStore store(files);
    store.Load("C:\\p.ini");
    SheetSettings settings = ReadSheetSettings(store);
    EXPECT_EQ(settings.delimiter, '|');
    EXPECT_EQ(settings.maxBackup, 2);
    EXPECT_FALSE(settings.saveWidths);
    EXPECT_TRUE(settings.makeBackups);
    EXPECT_TRUE(settings.checkForMark);

    const SheetLayout none = OpenLayout(settings, std::nullopt, false);
    EXPECT_EQ(none.delimiter, '|');
    EXPECT_FALSE(none.firstRowIsTitle);
    EXPECT_TRUE(none.columnsNotSortable);
    const SheetLayout stored =
        OpenLayout(settings, "[General]\r\nSpreadsheetFirstRowAsTitle=1\r\nSpreadsheetSortHeader=0\r\n", false);
    EXPECT_TRUE(stored.firstRowIsTitle);
    EXPECT_FALSE(stored.columnsNotSortable);
    const SheetLayout fresh = OpenLayout(settings, std::nullopt, true);
    EXPECT_EQ(fresh.delimiter, ',');
    EXPECT_FALSE(fresh.columnsNotSortable);
    settings.neverSort = true;
    EXPECT_TRUE(OpenLayout(settings, "[General]\r\nSpreadsheetSortHeader=0\r\n", false).columnsNotSortable);

    EXPECT_EQ(WidthsText({100, 35, 7}), "100,35,7");
    EXPECT_EQ(ParseWidths("100,35,x,7"), (std::vector<int>{100, 35, 0, 7}));
    EXPECT_EQ(ParseWidths(""), (std::vector<int>{}));
}

// The new sheet's file opens as 5 rows of 5 empty cells.
TEST(SheetTest, NewSheetFileReadsAsFiveByFive)
{
    const CsvTable table = ParseCsv(EmptySheetText(), ',', true);
    EXPECT_EQ(table.rows, Rows(5, std::vector<std::string>(5)));
    EXPECT_EQ(table.columnCount, 5u);
}

TEST(SheetTest, LinksInACell)
{
    struct Case {
        std::string text;
        std::vector<std::string> links;
    } cases[] = {
        {"see [[My Note]] and http://x.org/a b", {"My Note", "http://x.org/a"}},
        {"[ one ] [$ two $] https://y", {"one", "two", "https://y"}},
        {"[open", {"open"}},
        {"plain text", {}},
        {"[] [ ]", {}},
        {"http://a http://b", {"http://a", "http://b"}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> got;
        for (const CellLink& link : CellLinks(c.text)) got.push_back(link.text);
        EXPECT_EQ(got, c.links) << c.text;
    }
    EXPECT_TRUE(CellLinks("http://a")[0].web);
    EXPECT_FALSE(CellLinks("[a]")[0].web);
    EXPECT_EQ(CellLinks("[" + std::string(400, 'n') + "]")[0].text.size(), kCellLinkLimit);
    EXPECT_LE(CellLinks(std::string(1000, '[')).size(), kMaxCellLinks);
}

}  // namespace
}  // namespace pw
