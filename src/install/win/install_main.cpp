// Install's entry point: the installer's window over the system's folders, until it closes.
#include <windows.h>

#include <commctrl.h>

#include "install/install_plan.h"
#include "install/win/install_window.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int)
{
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    inst::Installer installer;
    installer.state.uninstall = inst::IsUninstallCommandLine(commandLine ? commandLine : "");
    installer.targets = inst::SystemTargets();
    installer.hooks = inst::SystemHooks();
    HWND window = inst::CreateInstallWindow(instance, installer);
    if (!window) return 1;
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (IsDialogMessageA(window, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
