#include "sheet/sheet_order.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "library/listing.h"
#include "settings/text.h"
#include "sheet/sheet_model.h"

namespace pw {
namespace {

std::string_view TextOf(const Sheet& sheet, std::size_t dataRow, std::size_t column)
{
    return sheet.CellText(sheet.FirstDataRow() + dataRow, column).value_or(std::string_view());
}

}  // namespace

std::vector<std::size_t> SortedOrder(const Sheet& sheet, std::size_t column, bool descending, bool blankAtBottom)
{
    // The rank of every byte in the file list's order, taken once from CompareNoCase itself, so a sort of
    // 100,000 rows compares through a table.
    static const std::array<int, 256> kRank = [] {
        std::array<char, 256> bytes{};
        for (int i = 0; i < 256; ++i) bytes[i] = static_cast<char>(i);
        std::array<int, 256> byRank{};
        std::array<int, 256> order{};
        for (int i = 0; i < 256; ++i) order[i] = i;
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
            return CompareNoCase(std::string_view(&bytes[a], 1), std::string_view(&bytes[b], 1)) < 0;
        });
        int rank = 0;
        for (int i = 0; i < 256; ++i) {
            if (i > 0 &&
                CompareNoCase(std::string_view(&bytes[order[i - 1]], 1), std::string_view(&bytes[order[i]], 1)) != 0)
                ++rank;
            byRank[order[i]] = rank;
        }
        return byRank;
    }();
    auto compare = [](std::string_view a, std::string_view b) {
        const std::size_t n = std::min(a.size(), b.size());
        for (std::size_t i = 0; i < n; ++i) {
            const int x = kRank[static_cast<unsigned char>(a[i])];
            const int y = kRank[static_cast<unsigned char>(b[i])];
            if (x != y) return x < y ? -1 : 1;
        }
        return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
    };
    std::vector<std::string_view> keys(sheet.DataRowCount());
    for (std::size_t i = 0; i < keys.size(); ++i) keys[i] = TextOf(sheet, i, column);
    std::vector<std::size_t> order(keys.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](std::size_t x, std::size_t y) {
        const std::string_view a = keys[x];
        const std::string_view b = keys[y];
        if (blankAtBottom && a.empty() != b.empty()) return b.empty();
        const int c = compare(a, b);
        return descending ? c > 0 : c < 0;
    });
    return order;
}

int SheetGrouping::GroupFor(std::string_view text)
{
    const std::string_view name = text.empty() ? std::string_view(kNoGroupName) : text;
    for (const SheetGroup& group : groups) {
        if (EqualsNoCase(group.name, name)) return group.id;
    }
    const int id = kFirstGroupId + static_cast<int>(groups.size());
    groups.push_back({std::string(name), id});
    return id;
}

const SheetGroup* SheetGrouping::Find(int id) const
{
    for (const SheetGroup& group : groups) {
        if (group.id == id) return &group;
    }
    return nullptr;
}

std::vector<std::size_t> SheetGrouping::RowsByGroup() const
{
    // Ids are handed out in order of first appearance, so ordering by id orders by group.
    std::vector<std::size_t> rows(groupOfRow.size());
    for (std::size_t i = 0; i < rows.size(); ++i) rows[i] = i;
    std::stable_sort(rows.begin(), rows.end(),
                     [&](std::size_t a, std::size_t b) { return groupOfRow[a] < groupOfRow[b]; });
    return rows;
}

SheetGrouping GroupRows(const Sheet& sheet, std::size_t column)
{
    SheetGrouping grouping;
    grouping.column = column;
    grouping.groupOfRow.reserve(sheet.DataRowCount());
    for (std::size_t i = 0; i < sheet.DataRowCount(); ++i) {
        grouping.groupOfRow.push_back(grouping.GroupFor(TextOf(sheet, i, column)));
    }
    return grouping;
}

}  // namespace pw
