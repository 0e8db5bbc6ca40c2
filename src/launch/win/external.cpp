#include "launch/win/external.h"

namespace pw {

// External programs are not built yet.
void MailToSelected() {}
void MailSelectedAsBody() {}
void SendToExternalProgram() {}
void PrintFileWithSystem() {}

}  // namespace pw
