// The spreadsheet's cell search (findInSheet), which the document and folder searches call in place of the
// note search while a sheet is shown.
#pragma once

#include <string>

namespace pw {

// Moves the cell cursor to the next cell that holds the term, letters compared without regard to case: from
// the first cell, or when continuing from the cell after the cursor, row by row, left to right. False when no
// cell further on holds it.
bool SheetCellSearch(const std::string& term, bool continuing);

}  // namespace pw
