#include "launch/win/external.h"

#include "settings/win/messages.h"

namespace pw {

void MailToSelected()
{
    ReportNotAvailable("mail");
}

void MailSelectedAsBody()
{
    ReportNotAvailable("mail");
}

void SendToExternalProgram()
{
    ReportNotAvailable("the external program");
}

void PrintFileWithSystem()
{
    ReportNotAvailable("printing a text file");
}

}  // namespace pw
