// The Multibar's own window procedure: its context menu, which puts the prefixes into the line, and the menu's
// commands. Every other message goes to the edit control's procedure.
#include <string>

#include "library/win/library_state.h"
#include "multibar/folder_search.h"
#include "multibar/win/date_paste.h"
#include "multibar/win/multibar_commands.h"
#include "multibar/win/multibar_state.h"
#include "render/win/browser_pane.h"
#include "settings/win/handles.h"

namespace pw {
namespace {

constexpr int kUndo = 199;   // EM_UNDO
constexpr int kCut = 768;    // WM_CUT
constexpr int kCopy = 769;   // WM_COPY
constexpr int kPaste = 770;  // WM_PASTE
constexpr int kSearchDocument = 37889;
constexpr int kBrowseUrl = 37894;
constexpr int kPasteDate = 37895;

// What the prefix items put into the line, in command order from 37889.
constexpr const char* kPrefixTexts[] = {"? ", "?d ", "?k ", "kw ", "??? ", "http://"};

enum class Enabled { Always, Selection, ClipboardText, SearchableFile, NotTextPane };

struct MenuItem {
    int command;  // 0: a separator
    const char* label;
    Enabled enabled;
};

std::string WebSearchLabel()
{
    return "    Search with " + std::string(kWebSearchServiceName) + "\t   ???   ";
}

const MenuItem kMenu[] = {
    {kCut, "    Cut   ", Enabled::Selection},
    {kCopy, "    Copy   ", Enabled::Selection},
    {kPaste, "    Paste   ", Enabled::ClipboardText},
    {0, nullptr, Enabled::Always},
    {kSearchDocument, "    Search document\t   ?   ", Enabled::SearchableFile},
    {37890, "    Search directory\t   ?d   ", Enabled::Always},
    {0, nullptr, Enabled::Always},
    {37891, "    Search for keyword\t   ?k   ", Enabled::Always},
    {37892, "    Add keyword\t   kw   ", Enabled::NotTextPane},
    {0, nullptr, Enabled::Always},
    {37893, nullptr, Enabled::Always},  // labelled with the search service's name
    {kBrowseUrl, "    Browse URL\t   http://   ", Enabled::Always},
    {0, nullptr, Enabled::Always},
    {kPasteDate, "    Paste current date\t   [F5]   ", Enabled::Always},
};

HWND Bar()
{
    return MultibarArea().multibar;
}

bool HasSelection()
{
    DWORD start = 0;
    DWORD end = 0;
    SendMessageA(Bar(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return start != end;
}

bool CurrentFileSearchable()
{
    const std::string& file = CurrentPlace().file;
    if (file.empty()) return false;
    const ViewerInfo& text = Viewers().viewers[kTextViewer];
    ExtensionList extensions = text.editList;
    AddExtensions(extensions, text.viewList);
    return IsSearchableFile(file, extensions);
}

bool IsEnabled(Enabled rule)
{
    switch (rule) {
        case Enabled::Selection:
            return HasSelection();
        case Enabled::ClipboardText:
            return IsClipboardFormatAvailable(CF_TEXT) != 0;
        case Enabled::SearchableFile:
            return CurrentFileSearchable();
        case Enabled::NotTextPane:
            return CurrentViewer() != kTextViewer;
        case Enabled::Always:
            break;
    }
    return true;
}

LRESULT CALLBACK MultibarProc(HWND bar, UINT message, WPARAM wParam, LPARAM lParam)
{
    const WNDPROC own = MultibarArea().editProc;
    if (message == WM_CONTEXTMENU) {
        POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        if (lParam == -1) {  // from the keyboard: under the caret's line
            RECT r{};
            GetWindowRect(bar, &r);
            at = {r.left, r.bottom};
        }
        MultibarContextMenu(at);
        return 0;
    }
    if (message == WM_COMMAND && lParam == 0) {
        MultibarMenuCommand(LOWORD(wParam));
        return 0;
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(bar, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(own));
        MultibarArea().multibar = nullptr;
    }
    return CallWindowProcA(own, bar, message, wParam, lParam);
}

}  // namespace

void HookMultibar(HWND multibar)
{
    MultibarState& state = MultibarArea();
    state.multibar = multibar;
    if (!multibar) return;
    state.editProc =
        reinterpret_cast<WNDPROC>(SetWindowLongPtrA(multibar, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(MultibarProc)));
}

void MultibarContextMenu(POINT screenPoint)
{
    MenuHandle menu(CreatePopupMenu());
    if (!menu.get()) return;
    const std::string webSearch = WebSearchLabel();
    for (const MenuItem& item : kMenu) {
        if (item.command == 0) {
            AppendMenuA(menu.get(), MF_SEPARATOR, 0, nullptr);
            continue;
        }
        const UINT flags = MF_STRING | (IsEnabled(item.enabled) ? MF_ENABLED : MF_GRAYED);
        AppendMenuA(menu.get(), flags, item.command, item.label ? item.label : webSearch.c_str());
    }
    const int chosen = TrackContextMenu(menu.get(), screenPoint, Bar());
    if (chosen != 0) MultibarMenuCommand(chosen);
}

void MultibarMenuCommand(int command)
{
    HWND bar = Bar();
    if (!bar) return;
    if (command == kCut || command == kCopy || command == kPaste || command == kUndo) {
        SendMessageA(bar, static_cast<UINT>(command), 0, 0);
    } else if (command >= kSearchDocument && command <= kBrowseUrl) {
        SetWindowTextA(bar, "");
        SendMessageA(bar, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(kPrefixTexts[command - kSearchDocument]));
    } else if (command == kPasteDate) {
        PasteDate(bar);
    }
    SetFocus(bar);
}

}  // namespace pw
