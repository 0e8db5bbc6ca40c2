#include "sheet/win/sheet_search.h"

namespace pw {

bool SheetCellSearch(const std::string&, bool)
{
    return false;
}

}  // namespace pw
