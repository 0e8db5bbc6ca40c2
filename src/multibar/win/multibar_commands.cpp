#include "multibar/win/multibar_commands.h"

#include "settings/win/messages.h"

namespace pw {

// The Multibar interpreter, search and keywords are not built yet.
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

void ShowKeywords()
{
    ReportNotAvailable("keywords");
}

}  // namespace pw
