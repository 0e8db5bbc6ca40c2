#include "sheet/csv.h"

#include <gtest/gtest.h>

namespace pw {
namespace {

using namespace std::string_literals;
using Rows = std::vector<std::vector<std::string>>;

TEST(CsvTest, ReadsFileBytesIntoRows)
{
    struct Case {
        std::string bytes;
        Rows rows;
        std::size_t columns;
    } cases[] = {
        {"a,b\r\nc,d\r\n", {{"a", "b"}, {"c", "d"}}, 2},
        // A delimiter before the row end is followed by one more, empty, cell.
        {"a,b,\r\n", {{"a", "b", ""}}, 3},
        {"a,b,", {{"a", "b", ""}}, 3},
        {"\"a\",\"b\"\r\n", {{"a", "b"}}, 2},
        // Bare LF line ends give one row per line.
        {"a,b\nc,d\n", {{"a", "b"}, {"c", "d"}}, 2},
        {"a,b\r\nc\nd\r\n", {{"a", "b"}, {"c"}, {"d"}}, 2},
        // Inside a quoted cell every byte is kept as it is.
        {"\"x\r\ny\",\"p\nq\",\"r\rs\"\r\n", {{"x\r\ny", "p\nq", "r\rs"}}, 3},
        {"\"a,b\",c\r\n", {{"a,b", "c"}}, 2},
        // A lone CR in a plain cell is text.
        {"a\rb,c\r\n", {{"a\rb", "c"}}, 2},
        // Doubled quotes, also at the start of a cell, and an empty quoted cell.
        {"\"say \"\"hi\"\"\",\"\"\"q\",\"\",z\r\n", {{"say \"hi\"", "\"q", "", "z"}}, 4},
        {"a\"\"b\r\n", {{"a\"b"}}, 1},
        // The widest row gives the column count; short rows stay short.
        {"a\r\nb,c,d\r\ne,f\r\n", {{"a"}, {"b", "c", "d"}, {"e", "f"}}, 3},
        // One line without a line end, an empty file, an empty first line, an empty line in the middle.
        {"a,b", {{"a", "b"}}, 2},
        {"", {{""}}, 1},
        {"\r\na,b\r\n", {{""}, {"a", "b"}}, 2},
        {"a\r\n\r\nb\r\n", {{"a"}, {""}, {"b"}}, 1},
        {"a\r\nb", {{"a"}, {"b"}}, 1},
        // Blanks before a quote are skipped; a plain cell keeps its own.
        {"  \"a\", b ,c\r\n", {{"a", " b ", "c"}}, 3},
        // Text after a closing quote stays in the same cell; an unclosed quote runs to the end.
        {"\"ab\"cd,e\r\n", {{"abcd", "e"}}, 2},
        {"\"ab\r\ncd", {{"ab\r\ncd"}}, 1},
        {"a\0b,c"s, {{"a\0b"s, "c"}}, 2},
        // A cell holding the text a new row's placeholder once had is just text.
        {"$BLANK$CELL$,x\r\n", {{"$BLANK$CELL$", "x"}}, 2},
    };
    for (const Case& c : cases) {
        const CsvTable table = ParseCsv(c.bytes, ',', true);
        EXPECT_EQ(table.rows, c.rows) << c.bytes;
        EXPECT_EQ(table.columnCount, c.columns) << c.bytes;
    }
}

TEST(CsvTest, ByteOrderMarkAndDelimiter)
{
    CsvTable marked = ParseCsv(
        "\xEF\xBB\xBF"
        "a;b\r\n",
        ';', true);
    EXPECT_TRUE(marked.hadMark);
    EXPECT_EQ(marked.rows, (Rows{{"a", "b"}}));
    CsvTable kept = ParseCsv(
        "\xEF\xBB\xBF"
        "a;b\r\n",
        ';', false);
    EXPECT_FALSE(kept.hadMark);
    EXPECT_EQ(kept.rows, (Rows{{"\xEF\xBB\xBF"
                                "a",
                                "b"}}));
    EXPECT_EQ(ParseCsv("a,b;c\r\n", ';', true).rows, (Rows{{"a,b", "c"}}));
    // With a blank as the delimiter, blanks before a quote are cells, not padding.
    const Rows spaced = {{"a", "", "b c"}};
    EXPECT_EQ(ParseCsv(CsvText(spaced, 3, ' ', false), ' ', true).rows, spaced);
    EXPECT_FALSE(UsableDelimiter('"'));
    EXPECT_FALSE(UsableDelimiter('\n'));
    EXPECT_TRUE(UsableDelimiter('\t'));
}

TEST(CsvTest, WritesRowsAsFileBytes)
{
    struct Case {
        Rows rows;
        std::size_t columns;
        std::string bytes;
    } cases[] = {
        {{{"a", "b"}, {"c", "d"}}, 2, "a,b\r\nc,d\r\n"},
        // Short rows are padded; a longer row keeps every cell.
        {{{"a"}, {"b", "c", "d"}}, 3, "a,,\r\nb,c,d\r\n"},
        {{{"a", "b", "c"}}, 2, "a,b,c\r\n"},
        // The cell rule: quotes escaped, the delimiter and line ends wrapped, the rest as is.
        {{{"say \"hi\"", "a,b", "x\ny", "p\r\nq", "r\rs", " lead"}},
         6,
         "\"say \"\"hi\"\"\",\"a,b\",\"x\ny\",\"p\r\nq\",\"r\rs\", lead\r\n"},
        {{{"\"q"}}, 1, "\"\"\"q\"\r\n"},
        // Whole cells: nothing is cut at any length.
        {{{std::string(5000, 'x')}}, 1, std::string(5000, 'x') + "\r\n"},
        {{{""}}, 1, "\r\n"},
    };
    for (const Case& c : cases) EXPECT_EQ(CsvText(c.rows, c.columns, ',', false), c.bytes);
    EXPECT_EQ(CsvText({{"a"}}, 1, ',', true),
              "\xEF\xBB\xBF"
              "a\r\n");
    EXPECT_EQ(QuoteCell("a;b", ';'), "\"a;b\"");
    EXPECT_EQ(QuoteCell("a,b", ';'), "a,b");
}

// What is written reads back as the same cells, and a file the writer made is written again byte for byte.
TEST(CsvTest, WrittenRowsReadBackTheSame)
{
    const Rows samples[] = {
        {{"a", "", "c"}, {"", "", ""}},
        {{"x\r\ny", "\"", " b"}, {"$BLANK$CELL$", "d,e", "\n"}},
        {{""}, {"a"}, {""}},
        {{"tail\r"}},
    };
    for (const Rows& rows : samples) {
        const std::string bytes = CsvText(rows, rows[0].size(), ',', false);
        const CsvTable back = ParseCsv(bytes, ',', true);
        EXPECT_EQ(back.rows, rows) << bytes;
        EXPECT_EQ(CsvText(back.rows, back.columnCount, ',', false), bytes);
    }
}

// A long input is read in steps: the caller is asked at the first row end after every 64 KiB whether to go
// on, and what it reads is the same as in one go.
TEST(CsvTest, LongInputAsksWhetherToGoOn)
{
    using Asked = std::vector<std::pair<std::size_t, std::size_t>>;
    auto read = [](const std::string& bytes, Asked& asked, bool goOn) {
        return ParseCsv(bytes, ',', true, [&](std::size_t done, std::size_t total) {
            asked.emplace_back(done, total);
            return goOn;
        });
    };
    // 16,384 rows of 16 bytes: 256 KiB, a row end on every 64 KiB boundary.
    std::string even;
    for (int r = 0; r < 16384; ++r) even += "abc,\"d\r\ne\",fgh\r\n";
    ASSERT_EQ(even.size(), 262144u);
    Asked asked;
    const std::optional<CsvTable> whole = read(even, asked, true);
    ASSERT_TRUE(whole.has_value());
    EXPECT_EQ(asked, (Asked{{65536, 262144}, {131072, 262144}, {196608, 262144}, {262144, 262144}}));
    const CsvTable plain = ParseCsv(even, ',', true);
    EXPECT_EQ(whole->rows, plain.rows);
    EXPECT_EQ(whole->columnCount, 3u);
    EXPECT_EQ(whole->rows.size(), 16384u);
    EXPECT_EQ(whole->rows[16383], (std::vector<std::string>{"abc", "d\r\ne", "fgh"}));

    // Told to stop, the reader stops at once and keeps nothing.
    asked.clear();
    EXPECT_FALSE(read(even, asked, false).has_value());
    EXPECT_EQ(asked, (Asked{{65536, 262144}}));

    // A row longer than the step is read whole, then asked about once; a mark counts as read input.
    const std::string wide = std::string(kUtf8Mark) + "\"" + std::string(200 * 1024, 'x') + "\"\r\na\r\n";
    asked.clear();
    const std::optional<CsvTable> marked = read(wide, asked, true);
    ASSERT_TRUE(marked.has_value());
    EXPECT_EQ(asked, (Asked{{204807, 204810}}));
    EXPECT_TRUE(marked->hadMark);
    EXPECT_EQ(marked->rows, ParseCsv(wide, ',', true).rows);

    // A short input is never asked about.
    asked.clear();
    EXPECT_TRUE(read("a,b\r\nc,d\r\n", asked, false).has_value());
    EXPECT_TRUE(asked.empty());
}

}  // namespace
}  // namespace pw
