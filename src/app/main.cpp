// Pagewick.exe: everything lives in the libraries, so tests can start the same main window in-process.
#include <windows.h>

#include "shell/win/startup.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int show)
{
    return pw::PagewickMain(instance, commandLine, show);
}
