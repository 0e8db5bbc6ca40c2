// Modal dialogs from templates, and the seam through which tests answer them instead of a person.
#pragma once

#include <windows.h>

#include <functional>

namespace pw {

// Runs once per dialog shown, after it is initialised and inside its own modal loop, with the dialog and
// its template id. Tests fill fields and press buttons through it; an empty script leaves the user alone.
using DialogScript = std::function<void(HWND dialog, int templateId)>;
void SetDialogScript(DialogScript script);

// DialogBoxParamA for a template of this program; the procedure sees param with WM_INITDIALOG and keeps
// DWLP_USER for itself.
INT_PTR RunModalDialog(HWND owner, int templateId, DLGPROC proc, LPARAM param);

}  // namespace pw
