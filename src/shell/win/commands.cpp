#include "shell/win/commands.h"

#include <iterator>

#include "shell/ids.h"
#include "shell/win/control_commands.h"
#include "shell/win/main_window.h"
#include "shell/win/shell_commands.h"

namespace pw {
namespace {

using Handler = void (*)(int id);

struct CommandRoute {
    int first;
    int last;
    Handler handler;
};

// Ranges are searched in order; the first that holds the id wins.
constexpr CommandRoute kCommands[] = {
    {CMD_TB_MODE, CMD_TB_MODE, OnToggleMode},
    {CMD_TOGGLE_MODE, CMD_TOGGLE_MODE, OnToggleMode},
    {CMD_TOGGLE_MODE_KEY, CMD_TOGGLE_MODE_KEY, OnToggleMode},
    {CMD_EXIT, CMD_EXIT, OnExit},
    {CMD_NEW_WINDOW, CMD_NEW_WINDOW, OnNewWindow},
    {CMD_ALWAYS_ON_TOP, CMD_ALWAYS_ON_TOP, OnAlwaysOnTop},
    {CMD_ABOUT, CMD_ABOUT, OnAbout},
    {CMD_HELP, CMD_HELP, OnHelp},
    {CMD_FOCUS_MULTIBAR, CMD_FOCUS_MULTIBAR, OnFocusMultibar},
    {CMD_FOCUS_MULTIBAR_F6, CMD_FOCUS_MULTIBAR_F6, OnFocusMultibar},
    {CMD_SELECT_ALL, CMD_SELECT_ALL, OnSelectAll},
    {CMD_FOCUS_FILES, CMD_FOCUS_FILES, OnFocusFiles},
    {CMD_FOCUS_FOLDERS, CMD_FOCUS_FOLDERS, OnFocusFolders},
    {CMD_FOCUS_ROOTS, CMD_FOCUS_ROOTS, OnFocusRoots},
    {CMD_FOCUS_DOCUMENT, CMD_FOCUS_DOCUMENT, OnFocusDocument},
};

}  // namespace

void DispatchCommand(int id, int code, HWND source)
{
    if (source && source != Main().panes.toolbar && RouteControlCommand(id, code, source)) return;
    for (const CommandRoute& route : kCommands) {
        if (id >= route.first && id <= route.last) {
            route.handler(id);
            return;
        }
    }
}

void PrepareMenu(HMENU) {}

}  // namespace pw
