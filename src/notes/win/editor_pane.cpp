#include "notes/win/editor_pane.h"

#include <windowsx.h>
#include <commctrl.h>

#include "notes/win/counters.h"
#include "notes/win/editing.h"
#include "notes/win/editor_menu.h"

namespace pw {
namespace {

constexpr UINT_PTR kEditorHook = 1;

// Where the menu opens when the keyboard asks for it: at the selection's start.
POINT CaretOnScreen(HWND editor)
{
    DWORD start = 0;
    SendMessageA(editor, EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
    const LRESULT at = SendMessageA(editor, EM_POSFROMCHAR, start, 0);
    POINT point{static_cast<short>(LOWORD(at)), static_cast<short>(HIWORD(at))};
    if (at == -1) point = {0, 0};
    ClientToScreen(editor, &point);
    return point;
}

LRESULT CALLBACK EditorProc(HWND editor, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR)
{
    switch (msg) {
        case WM_CONTEXTMENU: {
            POINT at{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
            if (at.x == -1 && at.y == -1) at = CaretOnScreen(editor);  // from the keyboard
            ShowEditorMenu(at);
            return 0;
        }
        case WM_PASTE:
            // Ctrl+V and Shift+Insert: the editor's own paste would cut a long text short without a word.
            PasteText();
            return 0;
        case WM_KEYUP:
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP: {
            const LRESULT result = DefSubclassProc(editor, msg, wp, lp);
            RefreshCounters();
            return result;
        }
        case WM_NCDESTROY:
            RemoveWindowSubclass(editor, EditorProc, kEditorHook);
            break;
        default:
            break;
    }
    return DefSubclassProc(editor, msg, wp, lp);
}

}  // namespace

void HookEditors(HWND noWrap, HWND wrap)
{
    for (HWND editor : {noWrap, wrap}) {
        if (editor) SetWindowSubclass(editor, EditorProc, kEditorHook, 0);
    }
}

}  // namespace pw
