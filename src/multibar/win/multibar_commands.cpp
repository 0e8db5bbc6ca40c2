#include "multibar/win/multibar_commands.h"

#include "settings/win/messages.h"

namespace pw {

// The Multibar interpreter, search, keywords and date templates are not built yet.
void RunMultibarLine()
{
    ReportNotAvailable("the Multibar");
}

void RunMultibarSecondWay()
{
    ReportNotAvailable("the Multibar");
}

void FindNext()
{
    ReportNotAvailable("search");
}

void PasteDate()
{
    ReportNotAvailable("date stamps");
}

void ShowKeywords()
{
    ReportNotAvailable("keywords");
}

}  // namespace pw
