#include "multibar/win/multibar_commands.h"

namespace pw {

// The Multibar interpreter, search, keywords and date templates are not built yet.
void RunMultibarLine() {}
void RunMultibarSecondWay() {}
void FindNext() {}
void PasteDate() {}
void ShowKeywords() {}

}  // namespace pw
