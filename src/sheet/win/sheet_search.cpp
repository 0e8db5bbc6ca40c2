#include "sheet/win/sheet_search.h"

#include "settings/text.h"
#include "sheet/win/sheet_state.h"
#include "sheet/win/sheet_view.h"

namespace pw {

bool SheetCellSearch(const std::string& term, bool continuing)
{
    SheetState& state = SheetArea();
    if (!state.sheet.isOpen || term.empty()) return false;
    const int columns = static_cast<int>(state.sheet.ColumnCount());
    const int lines = static_cast<int>(state.lines.size());
    int line = 0;
    int column = 1;
    if (continuing && state.cursorLine >= 0) {
        line = state.cursorLine;
        column = state.cursorColumn + 1;
    }
    for (; line < lines; ++line, column = 1) {
        const std::optional<std::size_t> row = DataRowOfLine(line);
        if (!row) continue;
        for (; column <= columns; ++column) {
            const std::optional<std::string_view> text =
                state.sheet.CellText(state.sheet.FirstDataRow() + *row, static_cast<std::size_t>(column - 1));
            if (!text || !ContainsNoCase(*text, term)) continue;
            SetFocus(state.pane);
            MoveCursorTo(line, column);
            return true;
        }
    }
    return false;
}

}  // namespace pw
