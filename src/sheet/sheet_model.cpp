#include "sheet/sheet_model.h"

#include <utility>

#include "sheet/csv.h"

namespace pw {

void Sheet::Load(CsvTable table)
{
    rows_.clear();
    rows_.reserve(table.rows.size());
    for (std::vector<std::string>& cells : table.rows) rows_.push_back({nextId_++, std::move(cells), false});
    columnCount_ = table.columnCount < 1 ? 1 : table.columnCount;
    hadMark = table.hadMark;
}

void Sheet::Clear()
{
    rows_.clear();
    columnCount_ = 1;
    hadMark = false;
    isOpen = false;
    isModified = false;
}

std::size_t Sheet::DataRowCount() const
{
    return rows_.size() - FirstDataRow();
}

std::optional<std::size_t> Sheet::FindRow(std::uint32_t id) const
{
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        if (rows_[i].id == id) return i;
    }
    return std::nullopt;
}

std::optional<std::string_view> Sheet::CellText(std::size_t row, std::size_t column) const
{
    if (row >= rows_.size() || column >= rows_[row].cells.size()) return std::nullopt;
    return std::string_view(rows_[row].cells[column]);
}

void Sheet::SetCell(std::size_t row, std::size_t column, std::string text)
{
    if (row >= rows_.size()) return;
    SheetRow& target = rows_[row];
    if (target.cells.size() <= column) target.cells.resize(column + 1);
    target.cells[column] = std::move(text);
    target.placeholder = false;
    if (column + 1 > columnCount_) columnCount_ = column + 1;
}

std::size_t Sheet::InsertDataRow(std::optional<std::size_t> after, std::vector<std::string> cells)
{
    std::size_t at = after && *after < DataRowCount() ? FirstDataRow() + *after + 1 : rows_.size();
    const bool placeholder = cells.empty();
    cells.resize(columnCount_ > cells.size() ? columnCount_ : cells.size());
    if (cells.size() > columnCount_) columnCount_ = cells.size();
    rows_.insert(rows_.begin() + static_cast<std::ptrdiff_t>(at), SheetRow{nextId_++, std::move(cells), placeholder});
    return at - FirstDataRow();
}

void Sheet::DeleteDataRow(std::size_t index)
{
    if (index >= DataRowCount()) return;
    rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(FirstDataRow() + index));
}

void Sheet::InsertColumn(std::size_t column)
{
    if (column > columnCount_) column = columnCount_;
    for (SheetRow& row : rows_) {
        if (row.cells.size() < column) row.cells.resize(column);
        row.cells.insert(row.cells.begin() + static_cast<std::ptrdiff_t>(column), std::string());
    }
    ++columnCount_;
}

void Sheet::DeleteColumn(std::size_t column)
{
    if (column >= columnCount_ || columnCount_ == 1) return;
    for (SheetRow& row : rows_) {
        if (column < row.cells.size()) row.cells.erase(row.cells.begin() + static_cast<std::ptrdiff_t>(column));
    }
    --columnCount_;
}

void Sheet::ReorderDataRows(const std::vector<std::size_t>& order)
{
    const std::size_t first = FirstDataRow();
    if (order.size() != DataRowCount()) return;
    std::vector<SheetRow> sorted;
    sorted.reserve(rows_.size());
    for (std::size_t i = 0; i < first; ++i) sorted.push_back(std::move(rows_[i]));
    for (const std::size_t old : order) sorted.push_back(std::move(rows_[first + old]));
    rows_ = std::move(sorted);
}

std::vector<std::vector<std::string>> Sheet::FileRows() const
{
    std::vector<std::vector<std::string>> out;
    out.reserve(rows_.size());
    for (const SheetRow& row : rows_) out.push_back(row.cells);
    return out;
}

std::string ColumnLetters(std::size_t column)
{
    static constexpr std::string_view kLetters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    if (column < 1) return std::string();
    const std::size_t index = (column - 1) % kLetters.size();
    const std::size_t round = (column - 1) / kLetters.size();
    std::string title(1, kLetters[index]);
    if (round > 0) title += std::to_string(round + 1);
    return title;
}

std::string ColumnTitle(const Sheet& sheet, std::size_t column)
{
    if (sheet.layout.firstRowIsTitle) {
        const std::optional<std::string_view> text = sheet.CellText(0, column - 1);
        if (text && !text->empty()) return std::string(*text);
    }
    return ColumnLetters(column);
}

}  // namespace pw
