// Sorting and grouping of the data rows: pure decisions over the model that the view then shows.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace pw {

class Sheet;

// The new order of the data rows sorted by a data column (0-based): order[i] is the old data index of the
// row at place i. Texts compare as the file list compares names (CompareNoCase, the system's order). Stable: equal
// texts keep their order. A missing cell counts as empty. blankAtBottom keeps empty texts after the others in both
// directions.
std::vector<std::size_t> SortedOrder(const Sheet& sheet, std::size_t column, bool descending, bool blankAtBottom);

inline constexpr const char* kNoGroupName = "No group";
inline constexpr int kFirstGroupId = 2;

struct SheetGroup {
    std::string name;  // spelled as its first row spells it
    int id = 0;
};

// Rows grouped by one data column's text, letters compared without regard to case; an empty or missing
// cell goes to "No group". Ids are handed out from 2 in order of first appearance.
struct SheetGrouping {
    std::size_t column = 0;
    std::vector<SheetGroup> groups;
    std::vector<int> groupOfRow;  // by data row index

    // The group of a name, created at the end when no group has that name yet.
    int GroupFor(std::string_view text);
    const SheetGroup* Find(int id) const;
    // The data rows in group order (groups as they appear, rows in their order within each group).
    std::vector<std::size_t> RowsByGroup() const;
};

SheetGrouping GroupRows(const Sheet& sheet, std::size_t column);

}  // namespace pw
