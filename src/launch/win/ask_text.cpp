#include "launch/win/ask_text.h"

#include "launch/program_args.h"
#include "settings/win/dialog_runner.h"
#include "shell/ids.h"

namespace pw {
namespace {

struct Question {
    const std::string* prompt;
    std::string* text;
    bool readOnly;
};

void Fill(HWND dialog, const Question& q)
{
    SetDlgItemTextA(dialog, IDC_ASK_PROMPT, q.prompt->c_str());
    HWND edit = GetDlgItem(dialog, IDC_ASK_TEXT);
    SendMessageA(edit, EM_LIMITTEXT, kMaxLaunchText, 0);
    SetWindowTextA(edit, q.text->c_str());
    if (q.readOnly) {
        SendMessageA(edit, EM_SETREADONLY, TRUE, 0);
        ShowWindow(GetDlgItem(dialog, IDCANCEL), SW_HIDE);
    }
}

std::string FieldText(HWND dialog)
{
    char buffer[kMaxLaunchText + 1] = {};
    GetDlgItemTextA(dialog, IDC_ASK_TEXT, buffer, sizeof buffer);
    return buffer;
}

INT_PTR CALLBACK AskProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
        case WM_INITDIALOG:
            SetWindowLongPtrA(dialog, DWLP_USER, lParam);
            Fill(dialog, *reinterpret_cast<Question*>(lParam));
            return TRUE;
        case WM_COMMAND: {
            auto* q = reinterpret_cast<Question*>(GetWindowLongPtrA(dialog, DWLP_USER));
            if (LOWORD(wParam) == IDOK) {
                *q->text = FieldText(dialog);
                EndDialog(dialog, IDOK);
                return TRUE;
            }
            if (LOWORD(wParam) == IDCANCEL) {
                // A read-only question has nothing to cancel: Escape and the close box just dismiss it.
                EndDialog(dialog, q->readOnly ? IDOK : IDCANCEL);
                return TRUE;
            }
            return FALSE;
        }
        default:
            return FALSE;
    }
}

}  // namespace

bool AskText(HWND owner, const std::string& prompt, std::string& text, bool readOnly)
{
    Question q{&prompt, &text, readOnly};
    return RunModalDialog(owner, IDD_ASK_TEXT, AskProc, reinterpret_cast<LPARAM>(&q)) == IDOK;
}

}  // namespace pw
