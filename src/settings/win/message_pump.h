// Long operations stay responsive by handling the pending window messages between their steps; each abandons
// its work once the program is quitting.
#pragma once

namespace pw {

// Sleeps pauseMs first when it is 0 or more, then handles every pending message of the thread and yields the
// rest of the time slice; false once a quit message was seen (it is posted again and the program is marked as
// quitting) or the program was quitting already.
bool PumpPendingMessages(int pauseMs);

// The quit message ends the process's one message loop, so whether the program is quitting is a fact of the
// process, not of a window: a pump running after the main window was destroyed must still see it. Start-up
// clears it, so that tests can start the window again in the same process.
bool ProgramQuitting();
void SetProgramQuitting(bool quitting);

}  // namespace pw
