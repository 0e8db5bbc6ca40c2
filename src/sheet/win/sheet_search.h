// The spreadsheet's cell search, which the document and folder searches call in place of the note search
// while a sheet is shown.
#pragma once

#include <string>

namespace pw {

// Selects the next cell that holds the term (from the top unless continuing); false when none does. No sheet
// is ever shown yet, so nothing is found.
bool SheetCellSearch(const std::string& term, bool continuing);

}  // namespace pw
