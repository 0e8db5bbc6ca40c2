#include "shell/win/control_commands.h"

#include "settings/win/messages.h"
#include "shell/ids.h"
#include "shell/win/main_window.h"

namespace pw {
namespace {

bool EditorNotification(int code, HWND source)
{
    MainWindow& main = Main();
    switch (code) {
        case EN_SETFOCUS:
            main.editorHasFocus = true;
            return true;
        case EN_KILLFOCUS:
            main.editorHasFocus = false;
            return true;
        case EN_VSCROLL:
            if (source == ActiveEditor()) HideMessageLine();
            return true;
        case EN_CHANGE:
            if (source == ActiveEditor()) HideMessageLine();
            return true;
        default:
            return true;
    }
}

}  // namespace

bool RouteControlCommand(int id, int code, HWND source)
{
    const Panes& p = Main().panes;
    if (source == p.editNoWrap || source == p.editWrap) return EditorNotification(code, source);
    if (source == p.messageLine) return true;
    (void)id;
    return false;
}

}  // namespace pw
