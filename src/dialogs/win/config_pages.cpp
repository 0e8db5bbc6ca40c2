// The pages that are their fields: check boxes and text fields read from and written to the pending layer as
// data, the enabling rules, the font lists and the external program's browse button; and the page table.
#include <windows.h>
#include <commctrl.h>

#include <array>
#include <string>
#include <vector>

#include "dialogs/win/configure_state.h"
#include "launch/program_args.h"
#include "settings/limits.h"
#include "settings/text.h"
#include "settings/win/messages.h"
#include "shell/ids.h"

namespace pw {
namespace {

enum class FieldKind { Check, Text };

struct PageField {
    int templateId;
    int control;
    FieldKind kind;
    const char* key;
    const char* shownWhenAbsent;
};

constexpr PageField kFields[] = {
    {IDD_PAGE_GENERAL, IDC_AUTOSAVE, FieldKind::Text, "AutoSave", "2"},
    {IDD_PAGE_GENERAL, IDC_USE_STATUS_BAR, FieldKind::Check, "UseStatBar", "0"},
    {IDD_PAGE_GENERAL, IDC_WORD_COUNT, FieldKind::Check, "NoteShowWordCount", "1"},
    {IDD_PAGE_GENERAL, IDC_CHAR_COUNT, FieldKind::Check, "NoteShowCharCount", "1"},
    {IDD_PAGE_GENERAL, IDC_BACK_INSTEAD_OF_NEW, FieldKind::Check, "BackInsteadOfNew", "0"},
    {IDD_PAGE_GENERAL, IDC_HIDE_OWN_FILES, FieldKind::Check, "FwHideFiles", "1"},
    {IDD_PAGE_GENERAL, IDC_FILES_WITH_ORIGINAL, FieldKind::Check, "FwFileWithOriginal", "0"},
    {IDD_PAGE_GENERAL, IDC_EXPERT_MODE, FieldKind::Check, "ExpertMode", "0"},
    {IDD_PAGE_TEXT, IDC_DEFAULT_EXTENSION, FieldKind::Text, "DefaultExtension", ".txt"},
    {IDD_PAGE_TEXT, IDC_TEXT_EXTENSIONS, FieldKind::Text, "TextExtraExtensions", ""},
    {IDD_PAGE_WEB, IDC_WEB_EXTENSIONS, FieldKind::Text, "WebExtraExtensions", ""},
    {IDD_PAGE_WEB, IDC_MARKDOWN_EXTENSIONS, FieldKind::Text, "MarkdownExtraExtensions", ""},
    {IDD_PAGE_WEB, IDC_SHOW_CSS, FieldKind::Check, "ShowCSSInMenu", "1"},
    {IDD_PAGE_WEB, IDC_SAVE_CSS, FieldKind::Check, "SaveCSSOnChange", "0"},
    {IDD_PAGE_ROOTS, IDC_ROOT_AUTO_DOCUMENTS, FieldKind::Check, "RootAutoAddMyDocuments", "1"},
    {IDD_PAGE_ROOTS, IDC_ROOT_AUTO_C_DRIVE, FieldKind::Check, "RootAutoAddCDrive", "1"},
    {IDD_PAGE_ROOTS, IDC_ROOT_ADJUST_NETWORK, FieldKind::Check, "RootAdjustForNetwork", "1"},
    {IDD_PAGE_ROOTS, IDC_ROOT_HIDE_HIDDEN, FieldKind::Check, "HideHidden", "1"},
    {IDD_PAGE_EXTERNAL, IDC_EXTERNAL_PROGRAM, FieldKind::Text, "ExternalProgramExe", ""},
    {IDD_PAGE_EXTERNAL, IDC_EXTERNAL_ARGS, FieldKind::Text, "ExternalProgramArgs", "\"$fullfile\""},
    {IDD_PAGE_EXTERNAL, IDC_EXTERNAL_ALIAS, FieldKind::Text, "ExternalProgramAlias", ""},
    {IDD_PAGE_SHEET, IDC_SHEET_BACKUPS, FieldKind::Check, "SSMakeChangeBackups", "1"},
    {IDD_PAGE_SHEET, IDC_SHEET_NEVER_SORT, FieldKind::Check, "SSNeverSort", "0"},
    {IDD_PAGE_DATES, IDC_DATE_MULTIBAR, FieldKind::Text, "MultibarDateTemplate", ""},
    {IDD_PAGE_DATES, IDC_DATE_NOTE, FieldKind::Text, "NoteDateTemplate", ""},
    {IDD_PAGE_DATES, IDC_DATE_SHEET, FieldKind::Text, "SpreadsheetDateTemplate", ""},
};

// Boxes enabled only while their master box is marked.
struct EnableRule {
    int templateId;
    int master;
    std::array<int, 2> dependents;  // 0 ends the list
};

constexpr EnableRule kEnableRules[] = {
    {IDD_PAGE_GENERAL, IDC_USE_STATUS_BAR, {IDC_WORD_COUNT, IDC_CHAR_COUNT}},
    {IDD_PAGE_WEB, IDC_SHOW_CSS, {IDC_SAVE_CSS, 0}},
};

constexpr int kFontSizes[] = {8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72};
constexpr std::size_t kMaxFonts = 260;
constexpr std::size_t kMaxFontName = 31;

std::string ControlText(HWND page, int control)
{
    char buffer[kMaxText + 1] = {};
    GetDlgItemTextA(page, control, buffer, sizeof buffer);
    return buffer;
}

int TemplateOf(const ConfigureState& state)
{
    return ConfigurePages()[static_cast<std::size_t>(state.current)].templateId;
}

void ApplyEnableRules(HWND page, int templateId)
{
    for (const EnableRule& rule : kEnableRules) {
        if (rule.templateId != templateId) continue;
        const bool marked = IsDlgButtonChecked(page, rule.master) == BST_CHECKED;
        for (int dependent : rule.dependents) {
            if (dependent) EnableWindow(GetDlgItem(page, dependent), marked);
        }
    }
}

// A box is marked only for a value that reads as the integer 1: "yes" reads as no number and shows unmarked.
void OpenFields(HWND page, ConfigureState& state)
{
    const int templateId = TemplateOf(state);
    for (const PageField& field : kFields) {
        if (field.templateId != templateId) continue;
        const std::string value = state.pending.Get(field.key, field.shownWhenAbsent);
        if (field.kind == FieldKind::Check) {
            CheckDlgButton(page, field.control, IntegerFromText(value) == 1 ? BST_CHECKED : BST_UNCHECKED);
        } else {
            SendDlgItemMessageA(page, field.control, EM_LIMITTEXT, kMaxText, 0);
            SetDlgItemTextA(page, field.control, value.c_str());
        }
    }
    ApplyEnableRules(page, templateId);
}

void CloseFields(HWND page, ConfigureState& state)
{
    const int templateId = TemplateOf(state);
    for (const PageField& field : kFields) {
        if (field.templateId != templateId) continue;
        if (field.kind == FieldKind::Check)
            state.pending.Set(field.key, IsDlgButtonChecked(page, field.control) == BST_CHECKED ? "1" : "0");
        else
            state.pending.Set(field.key, ControlText(page, field.control));
    }
}

void FieldCommand(HWND page, ConfigureState& state, int, int code)
{
    if (code == BN_CLICKED) ApplyEnableRules(page, TemplateOf(state));
}

int CALLBACK CollectFont(const LOGFONTA* font, const TEXTMETRICA*, DWORD type, LPARAM param)
{
    auto& names = *reinterpret_cast<std::vector<std::string>*>(param);
    if (!(type & TRUETYPE_FONTTYPE) || font->lfFaceName[0] == '@') return 1;
    const std::string name = Cut(font->lfFaceName, kMaxFontName);
    for (const std::string& known : names) {
        if (EqualsNoCase(known, name)) return 1;
    }
    names.push_back(name);
    return names.size() < kMaxFonts ? 1 : 0;
}

// The installed TrueType families of the default character set, in the order the system reports them.
std::vector<std::string> FontFamilies(HWND window)
{
    std::vector<std::string> names;
    HDC dc = GetDC(window);
    LOGFONTA wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    EnumFontFamiliesExA(dc, &wanted, CollectFont, reinterpret_cast<LPARAM>(&names), 0);
    ReleaseDC(window, dc);
    return names;
}

void OpenTextPage(HWND page, ConfigureState& state)
{
    OpenFields(page, state);
    HWND fonts = GetDlgItem(page, IDC_NOTE_FONT);
    for (const std::string& name : FontFamilies(page))
        SendMessageA(fonts, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    const std::string font = state.pending.Get("NoteFont", "");
    if (!font.empty())
        SendMessageA(fonts, CB_SETCURSEL,
                     SendMessageA(fonts, CB_FINDSTRINGEXACT, -1, reinterpret_cast<LPARAM>(font.c_str())), 0);
    HWND sizes = GetDlgItem(page, IDC_NOTE_FONT_SIZE);
    for (int size : kFontSizes)
        SendMessageA(sizes, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(IntegerText(size).c_str()));
    SendMessageA(sizes, CB_LIMITTEXT, kMaxText, 0);
    SetWindowTextA(sizes, state.pending.Get("NoteFontSize", "").c_str());
}

// The font is written only when one is selected, the size only when its field holds something.
void CloseTextPage(HWND page, ConfigureState& state)
{
    CloseFields(page, state);
    HWND fonts = GetDlgItem(page, IDC_NOTE_FONT);
    const LRESULT chosen = SendMessageA(fonts, CB_GETCURSEL, 0, 0);
    if (chosen != CB_ERR) {
        char name[kMaxText + 1] = {};
        if (SendMessageA(fonts, CB_GETLBTEXTLEN, chosen, 0) <= static_cast<LRESULT>(kMaxText)) {
            SendMessageA(fonts, CB_GETLBTEXT, chosen, reinterpret_cast<LPARAM>(name));
            state.pending.Set("NoteFont", name);
        }
    }
    const std::string size = ControlText(page, IDC_NOTE_FONT_SIZE);
    if (!size.empty()) state.pending.Set("NoteFontSize", size);
}

void ExternalPageCommand(HWND page, ConfigureState&, int id, int code)
{
    if (id != IDC_EXTERNAL_BROWSE || code != BN_CLICKED) return;
    std::string title;
    std::string path;
    static const char kFilter[] = "Applications (*.exe)\0*.exe\0";
    if (OpenFileDialog(page, "c:\\", kFilter, title, path)) SetDlgItemTextA(page, IDC_EXTERNAL_PROGRAM, path.c_str());
}

constexpr ConfigurePage kPages[] = {
    {"General Settings", IDD_PAGE_GENERAL, OpenFields, CloseFields, FieldCommand, nullptr},
    {"Text Viewer", IDD_PAGE_TEXT, OpenTextPage, CloseTextPage, nullptr, nullptr},
    {"Web Browser", IDD_PAGE_WEB, OpenFields, CloseFields, FieldCommand, nullptr},
    {"Roots", IDD_PAGE_ROOTS, OpenRootsPage, CloseRootsPage, RootsPageCommand, RootsPageNotify},
    {"Perpetual Notes", IDD_PAGE_PERPETUAL, OpenPerpetualPage, ClosePerpetualPage, PerpetualPageCommand, nullptr},
    {"External Program", IDD_PAGE_EXTERNAL, OpenFields, CloseFields, ExternalPageCommand, nullptr},
    {"Spreadsheet", IDD_PAGE_SHEET, OpenFields, CloseFields, nullptr, nullptr},
    {"Date Strings", IDD_PAGE_DATES, OpenFields, CloseFields, nullptr, nullptr},
    {nullptr, IDD_NOTE_PICKER, OpenNotePicker, nullptr, NotePickerCommand, NotePickerNotify},
};
static_assert(kPages[kPerpetualPagePosition].templateId == IDD_PAGE_PERPETUAL);
static_assert(kPages[kNotePickerPosition].templateId == IDD_NOTE_PICKER);

}  // namespace

std::span<const ConfigurePage> ConfigurePages()
{
    return kPages;
}

// The Roots page's boxes are plain fields too.
void OpenRootFields(HWND page, ConfigureState& state)
{
    OpenFields(page, state);
}
void CloseRootFields(HWND page, ConfigureState& state)
{
    CloseFields(page, state);
}

}  // namespace pw
