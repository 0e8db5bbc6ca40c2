// Start-up, the message loop and the orderly exit.
#pragma once

#include <windows.h>

#include <string>

#include "render/win/page_engine.h"

namespace pw {

struct StartOptions {
    std::string programFile;  // empty: the running module; tests give a program folder of their own
    std::string commandLine;
    int show = SW_SHOWDEFAULT;
    // Whether the browser control can show pages; Unknown lets the program find out (tests answer instead).
    PageEngine pageEngine = PageEngine::Unknown;
};

// Runs the start-up steps up to the message loop; returns the main window, or null when it cannot be made.
HWND StartPagewick(HINSTANCE instance, const StartOptions& options);
// Runs the message loop until the quit message; returns its code.
int RunMessageLoop();
// Handles one message as the loop does (accelerators, editor keys, dialog keys); false once it was WM_QUIT.
bool HandleLoopMessage(MSG& msg);
// WinMain's whole job.
int PagewickMain(HINSTANCE instance, const char* commandLine, int show);

// The orderly exit: used by the Exit command and by closing the window.
void ExitPagewick();
// Drops the main window, and with it the window and all of its state; a new start begins afresh (tests start
// the window several times in one process). Nothing when no main window exists.
void ShutdownPagewick();

// "apply settings": roots, last root, autosave timer, perpetual notes, help place, note font, first buttons.
void ApplySettings();

// Renames "ferrowind.ini" in the program folder to the settings file when that is missing.
void MigrateSettingsFile();

}  // namespace pw
