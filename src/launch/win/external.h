// Handing the current file or the selection to other programs: mail, print, the external program.
#pragma once

namespace pw {

void MailToSelected();
void MailSelectedAsBody();
void SendToExternalProgram();
void PrintFileWithSystem();

}  // namespace pw
