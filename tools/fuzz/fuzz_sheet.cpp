// libFuzzer target: the spreadsheet reader and writer. Sheets come from other programs and are edited by
// hand, and a save must never lose a cell, so for any bytes as a file and any delimiter:
//  - every row has at least one cell, and the column count is the widest row's;
//  - the rows written and read back are the same rows, cell for cell (short rows padded with empty cells);
//  - what the writer wrote is written again byte for byte after a second read;
//  - after one cell is changed, every other cell reads back as it was.
// Any violation aborts.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "sheet/csv.h"
#include "sheet/sheet_model.h"

namespace {

void Check(bool ok, const char* what)
{
    if (ok) return;
    std::fprintf(stderr, "fuzz_sheet: %s\n", what);
    __builtin_trap();
}

using Rows = std::vector<std::vector<std::string>>;

// The rows as a save writes them back: each padded to the column count.
Rows Padded(Rows rows, std::size_t columns)
{
    for (auto& row : rows) {
        if (row.size() < columns) row.resize(columns);
    }
    return rows;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    static constexpr char kDelimiters[] = {',', ';', '\t', '|', ' ', 'a'};
    const char delimiter = kDelimiters[input.ConsumeIntegralInRange<std::size_t>(0, 5)];
    const bool mark = input.ConsumeBool();
    const std::size_t editRow = input.ConsumeIntegral<std::uint16_t>();
    const std::size_t editColumn = input.ConsumeIntegralInRange<std::size_t>(0, 300);
    const std::string edit = input.ConsumeRandomLengthString(64);
    const std::string file = input.ConsumeRemainingBytesAsString();

    const pw::CsvTable table = pw::ParseCsv(file, delimiter, mark);
    Check(!table.rows.empty(), "no rows");
    std::size_t widest = 0;
    for (const auto& row : table.rows) {
        Check(!row.empty(), "a row without cells");
        if (row.size() > widest) widest = row.size();
    }
    Check(widest == table.columnCount, "the column count is not the widest row's");

    const std::string written = pw::CsvText(table.rows, table.columnCount, delimiter, table.hadMark);
    const pw::CsvTable back = pw::ParseCsv(written, delimiter, true);
    Check(back.rows == Padded(table.rows, table.columnCount), "written rows read back differently");
    Check(back.hadMark == table.hadMark, "the byte-order mark was lost or added");
    Check(pw::CsvText(back.rows, back.columnCount, delimiter, back.hadMark) == written, "a second save differs");

    pw::Sheet sheet;
    sheet.Load(table);
    const std::size_t row = editRow % sheet.RowCount();
    sheet.SetCell(row, editColumn, edit);
    const std::string saved = pw::CsvText(sheet.FileRows(), sheet.ColumnCount(), delimiter, sheet.hadMark);
    const pw::CsvTable edited = pw::ParseCsv(saved, delimiter, true);
    Rows expected = Padded(table.rows, sheet.ColumnCount());
    if (expected[row].size() <= editColumn) expected[row].resize(editColumn + 1);
    expected[row][editColumn] = edit;
    Check(edited.rows == Padded(expected, sheet.ColumnCount()), "an edit changed another cell");
    return 0;
}
