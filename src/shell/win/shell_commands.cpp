#include "shell/win/shell_commands.h"

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "library/win/help.h"
#include "notes/win/document.h"
#include "settings/win/messages.h"
#include "settings/win/settings_win.h"
#include "shell/ids.h"
#include "shell/win/main_window.h"
#include "shell/win/mode.h"
#include "shell/win/startup.h"

namespace pw {
namespace {

constexpr int kForegroundTries = 11;
constexpr DWORD kForegroundPauseMs = 100;

void TurnOnTop(HWND hwnd)
{
    SetWindowPos(hwnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    for (int i = 0; i < kForegroundTries && GetForegroundWindow() != hwnd; ++i) {
        SetForegroundWindow(hwnd);
        if (GetForegroundWindow() != hwnd) Sleep(kForegroundPauseMs);
    }
}

}  // namespace

void OnToggleMode(int)
{
    ToggleMode(false);
}

void OnExit(int)
{
    ExitPagewick();
}

void OnNewWindow(int)
{
    StartProgram("\"" + ProgramFile() + "\"");
}

void OnAlwaysOnTop(int)
{
    HWND hwnd = Main().hwnd;
    HMENU menu = GetMenu(hwnd);
    const bool turnOn = !(GetMenuState(menu, CMD_ALWAYS_ON_TOP, MF_BYCOMMAND) & MF_CHECKED);
    SystemParametersInfoA(SPI_SETFOREGROUNDLOCKTIMEOUT, 0, nullptr, 0);
    if (turnOn)
        TurnOnTop(hwnd);
    else
        SetWindowPos(hwnd, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    CheckMenuItem(menu, CMD_ALWAYS_ON_TOP, MF_BYCOMMAND | (turnOn ? MF_CHECKED : MF_UNCHECKED));
}

void OnAbout(int)
{
    std::string version;
    VersionText(ProgramFile(), VersionField::File, version);
    ShowBox(Main().hwnd, "Pagewick\r\nVersion " + version, "About Pagewick", MB_OK | MB_ICONINFORMATION);
}

void ShowHelp()
{
    if (CurrentMode() != ViewMode::View) ToggleMode(true);
    OpenHelpNote();
}

void OnHelp(int)
{
    ShowHelp();
}

void OnFocusMultibar(int)
{
    HWND bar = Main().panes.multibar;
    SetFocus(bar);
    SendMessageA(bar, EM_SETSEL, 0, -1);
}

void OnSelectAll(int)
{
    HWND focus = GetFocus();
    const Panes& p = Main().panes;
    if (focus == ActiveEditor() || focus == p.multibar) SendMessageA(focus, EM_SETSEL, 0, -1);
}

void OnFocusFiles(int)
{
    HWND files = Main().panes.files;
    SetFocus(files);
    if (ListView_GetItemCount(files) > 0) {
        ListView_SetItemState(files, 0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    }
}

void OnFocusFolders(int)
{
    SetFocus(Main().panes.folders);
}

void OnFocusRoots(int)
{
    SetFocus(Main().panes.roots);
}

void OnFocusDocument(int)
{
    HWND sheet = Main().panes.sheet;
    SetFocus(sheet && IsWindowVisible(sheet) ? sheet : ActiveEditor());
}

}  // namespace pw
