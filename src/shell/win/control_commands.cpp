#include "shell/win/control_commands.h"

#include "library/win/root_list.h"
#include "notes/win/document.h"
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
            if (source == ActiveEditor()) OnEditorChanged();
            return true;
        default:
            return true;
    }
}

bool RootListNotification(int code)
{
    switch (code) {
        case CBN_SELCHANGE:
            SelectRootFromList(false);
            return true;
        case CBN_SETFOCUS:
            SetRootListFocus(true);
            return true;
        case CBN_KILLFOCUS:
            SetRootListFocus(false);
            return true;
        default:
            return true;
    }
}

}  // namespace

bool RouteControlCommand(int, int code, HWND source)
{
    const Panes& p = Main().panes;
    if (source == p.editNoWrap || source == p.editWrap) return EditorNotification(code, source);
    if (source == p.roots) return RootListNotification(code);
    if (source == p.messageLine || source == p.multibar) return true;
    return false;
}

}  // namespace pw
