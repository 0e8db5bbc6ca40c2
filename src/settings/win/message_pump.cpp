#include "settings/win/message_pump.h"

#include <windows.h>

namespace pw {
namespace {

bool g_quitting = false;  // process-wide: see the header

}  // namespace

bool ProgramQuitting()
{
    return g_quitting;
}

void SetProgramQuitting(bool quitting)
{
    g_quitting = quitting;
}

bool PumpPendingMessages(int pauseMs)
{
    if (pauseMs >= 0) Sleep(static_cast<DWORD>(pauseMs));
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            g_quitting = true;
            return false;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    Sleep(0);
    return !g_quitting;
}

}  // namespace pw
