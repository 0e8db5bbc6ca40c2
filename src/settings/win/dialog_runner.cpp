#include "settings/win/dialog_runner.h"

#include <utility>

namespace pw {
namespace {

// Process-wide like the message box hook: a test sets it before the window exists and clears it after.
DialogScript g_script;

constexpr char kRunProperty[] = "PagewickDialogRun";
constexpr UINT kRunScript = WM_APP + 0x3D1;

struct DialogRun {
    DLGPROC proc;
    LPARAM param;
    int templateId;
};

// Sequence: WM_INITDIALOG reaches the dialog's own procedure with its param; then a posted message runs the
// script once the dialog's modal loop is turning, so the script sees the dialog as the user would.
INT_PTR CALLBACK RunProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        auto* run = reinterpret_cast<DialogRun*>(lParam);
        SetPropA(dialog, kRunProperty, run);
        const INT_PTR result = run->proc(dialog, message, wParam, run->param);
        if (g_script) PostMessageA(dialog, kRunScript, 0, 0);
        return result;
    }
    auto* run = static_cast<DialogRun*>(GetPropA(dialog, kRunProperty));
    if (!run) return FALSE;
    if (message == kRunScript) {
        if (g_script) {
            DialogScript script = g_script;  // the script may replace itself
            script(dialog, run->templateId);
        }
        return TRUE;
    }
    if (message == WM_NCDESTROY) {
        RemovePropA(dialog, kRunProperty);
        return run->proc(dialog, message, wParam, lParam);
    }
    return run->proc(dialog, message, wParam, lParam);
}

}  // namespace

void SetDialogScript(DialogScript script)
{
    g_script = std::move(script);
}

INT_PTR RunModalDialog(HWND owner, int templateId, DLGPROC proc, LPARAM param)
{
    DialogRun run{proc, param, templateId};
    return DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId), owner, RunProc,
                           reinterpret_cast<LPARAM>(&run));
}

}  // namespace pw
