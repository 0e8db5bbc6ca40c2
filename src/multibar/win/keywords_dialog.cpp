#include "multibar/win/keywords_dialog.h"

#include "multibar/dialog_ids.h"
#include "multibar/win/keyword_search.h"
#include "multibar/win/multibar_state.h"
#include "settings/ini_file.h"
#include "settings/limits.h"
#include "settings/text.h"

namespace pw {
namespace {

constexpr int kMaxListEntries = 260;

struct DialogContext {
    std::string filePath;
};

std::string ItemText(HWND list, int index)
{
    const LRESULT length = SendMessageA(list, LB_GETTEXTLEN, index, 0);
    if (length == LB_ERR) return {};
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    SendMessageA(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return text;
}

void Fill(HWND dialog, const DialogContext& context)
{
    HWND box = GetDlgItem(dialog, IDC_KEYWORD_BOX);
    const KeywordList known = KnownKeywords();
    for (std::size_t i = 0; i < known.size() && i < kMaxListEntries; ++i)
        SendMessageA(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(known[i].c_str()));
    HWND list = GetDlgItem(dialog, IDC_KEYWORD_LIST);
    KeywordList keywords;
    FileKeywords(context.filePath, keywords);
    for (const std::string& keyword : keywords)
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(keyword.c_str()));
    const std::string title = "Keywords for " + FileNameOf(context.filePath);
    SetWindowTextA(dialog, title.c_str());
}

void Add(HWND dialog, const DialogContext& context)
{
    char text[kMaxText + 1] = {};
    GetDlgItemTextA(dialog, IDC_KEYWORD_BOX, text, sizeof(text));
    const std::string keyword = FlattenLineBreaks(text);
    if (keyword.empty() || FileHasKeyword(context.filePath, keyword)) return;
    HWND list = GetDlgItem(dialog, IDC_KEYWORD_LIST);
    while (SendMessageA(list, LB_GETCOUNT, 0, 0) >= kMaxListEntries) SendMessageA(list, LB_DELETESTRING, 0, 0);
    SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(keyword.c_str()));
    AddKnownKeyword(keyword);
}

void DeleteSelected(HWND dialog)
{
    HWND list = GetDlgItem(dialog, IDC_KEYWORD_LIST);
    const LRESULT selected = SendMessageA(list, LB_GETCURSEL, 0, 0);
    if (selected != LB_ERR) SendMessageA(list, LB_DELETESTRING, selected, 0);
}

void Store(HWND dialog, const DialogContext& context)
{
    HWND list = GetDlgItem(dialog, IDC_KEYWORD_LIST);
    KeywordList keywords;
    const LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
    for (int i = 0; i < count; ++i) keywords.push_back(ItemText(list, i));
    WriteFileKeywords(context.filePath, keywords);
}

std::function<void(HWND)>& Driver()
{
    return MultibarArea().keywordsDriver;
}

INT_PTR CALLBACK KeywordsProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* context = reinterpret_cast<DialogContext*>(GetWindowLongPtrA(dialog, DWLP_USER));
    switch (message) {
        case WM_INITDIALOG:
            SetWindowLongPtrA(dialog, DWLP_USER, lParam);
            Fill(dialog, *reinterpret_cast<DialogContext*>(lParam));
            if (Driver()) Driver()(dialog);
            return TRUE;
        case WM_COMMAND:
            if (!context) break;
            switch (LOWORD(wParam)) {
                case IDC_KEYWORD_ADD:
                    Add(dialog, *context);
                    return TRUE;
                case IDC_KEYWORD_DELETE:
                    DeleteSelected(dialog);
                    return TRUE;
                case IDOK:
                    Store(dialog, *context);
                    EndDialog(dialog, IDOK);
                    return TRUE;
                case IDCANCEL:
                    EndDialog(dialog, IDCANCEL);
                    return TRUE;
            }
            break;
    }
    return FALSE;
}

}  // namespace

void KeywordsDialog(const std::string& filePath)
{
    DialogContext context{filePath};
    HWND owner = MultibarArea().multibar ? GetAncestor(MultibarArea().multibar, GA_ROOT) : nullptr;
    DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_KEYWORDS), owner, KeywordsProc,
                    reinterpret_cast<LPARAM>(&context));
}

void SetKeywordsDialogDriver(std::function<void(HWND dialog)> driver)
{
    Driver() = std::move(driver);
}

}  // namespace pw
