// The open spreadsheet's rows and cells, and the edits the table view makes on them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pw {

struct CsvTable;

struct SheetRow {
    std::uint32_t id = 0;            // stable for the row's life; the view finds its row by it
    std::vector<std::string> cells;  // by data column; a short row lacks its last cells
    // A row made by the view that no cell was stored in yet. A flag, not a marker text: any text a user
    // writes into a cell stays that text.
    bool placeholder = false;
};

// The settings a sheet opens with and writes back.
struct SheetLayout {
    char delimiter = ',';
    bool firstRowIsTitle = false;
    bool columnsNotSortable = true;
};

class Sheet {
public:
    std::string path;
    SheetLayout layout;
    bool hadMark = false;  // written back so a saved file keeps its byte-order mark
    bool isOpen = false;
    bool isModified = false;

    void Load(CsvTable table);
    void Clear();

    // Rows in the order the view shows them (sorting reorders them); the title row, when there is one, first.
    const std::vector<SheetRow>& Rows() const { return rows_; }
    std::size_t ColumnCount() const { return columnCount_; }
    std::size_t RowCount() const { return rows_.size(); }
    // Data rows: every row but the title row.
    std::size_t DataRowCount() const;
    std::size_t FirstDataRow() const { return layout.firstRowIsTitle && !rows_.empty() ? 1 : 0; }
    const SheetRow& DataRow(std::size_t index) const { return rows_[FirstDataRow() + index]; }
    // The position of a data row in the model (its index in Rows()), or nullopt for an id no row has.
    std::optional<std::size_t> FindRow(std::uint32_t id) const;

    // A cell's text, nullopt when the row has no such cell.
    std::optional<std::string_view> CellText(std::size_t row, std::size_t column) const;
    // Stores the text, growing the row (and the column count) as needed.
    void SetCell(std::size_t row, std::size_t column, std::string text);

    // A new data row after the data row `after` (at the end for nullopt), each of its cells given or empty.
    std::size_t InsertDataRow(std::optional<std::size_t> after, std::vector<std::string> cells);
    void DeleteDataRow(std::size_t index);
    void InsertColumn(std::size_t column);
    void DeleteColumn(std::size_t column);
    // The data rows in a new order: order[i] is the old data index of the row that goes to place i.
    void ReorderDataRows(const std::vector<std::size_t>& order);

    // The rows as the file holds them; short rows are padded when written.
    std::vector<std::vector<std::string>> FileRows() const;

private:
    std::vector<SheetRow> rows_;
    std::size_t columnCount_ = 1;
    std::uint32_t nextId_ = 1;
};

// The column title of data column k (1-based): the title row's text when there is one and it is not empty,
// else the letter rule "A".."Z", "a".."z", and past 52 the letters again with a number ("A2".."z2", ...), so
// every column is shown under a title of its own.
std::string ColumnTitle(const Sheet& sheet, std::size_t column);
std::string ColumnLetters(std::size_t column);

}  // namespace pw
