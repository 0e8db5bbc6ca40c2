#include "launch/win/external.h"

#include "settings/win/messages.h"

namespace pw {

void MailToSelected()
{
    ReportNotAvailable("Mail");
}

void MailSelectedAsBody()
{
    ReportNotAvailable("Mail");
}

void SendToExternalProgram()
{
    ReportNotAvailable("The external program");
}

void PrintFileWithSystem()
{
    ReportNotAvailable("Printing a text file");
}

}  // namespace pw
