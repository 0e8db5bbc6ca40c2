// What the control asks of the document host: the pane's own context menu and the catching of note links.
// TranslateUrl runs before every navigation; an "fw:" address is stored as the clicked link, the link message
// (WM_PW_LINK) is posted to the link owner, and the control is sent to "about:blank" instead. The message is
// posted, not sent, so the owner opens the note only after the control's navigation call has returned.
#include "render/win/browser_host.h"

#include <cwchar>

#include "render/win/browser_pane.h"
#include "render/win/wide_text.h"
#include "settings/win/handles.h"
#include "shell/ids.h"

namespace pw {
namespace {

constexpr const wchar_t* kNoteScheme = L"fw:";
constexpr const wchar_t* kBlankPage = L"about:blank";
constexpr const char* kCopyItem = "    Copy   ";

bool IsNoteLink(const wchar_t* address)
{
    return address && std::wcslen(address) >= 3 && _wcsnicmp(address, kNoteScheme, 3) == 0;
}

}  // namespace

HRESULT HostUiHandler::QueryInterface(REFIID iid, void** out)
{
    return host_.clientSite.QueryInterface(iid, out);
}

HRESULT HostUiHandler::ShowContextMenu(DWORD, POINT* point, IUnknown*, IDispatch*)
{
    MenuHandle menu(CreatePopupMenu());
    if (!menu.get()) return S_OK;
    AppendMenuA(menu.get(), MF_STRING, CMD_BROWSER_COPY, kCopyItem);
    const POINT at = point ? *point : POINT{0, 0};
    const int chosen = TrackContextMenu(menu.get(), at, LinkOwner() ? LinkOwner() : host_.pane);
    if (chosen == CMD_BROWSER_COPY) CopySelection(CopyPane());
    // Handled either way: the control's own menu never shows.
    return S_OK;
}

HRESULT HostUiHandler::GetHostInfo(DOCHOSTUIINFO* info)
{
    if (!info) return E_POINTER;
    info->cbSize = sizeof(DOCHOSTUIINFO);
    info->dwFlags = DOCHOSTUIFLAG_NO3DBORDER;
    info->dwDoubleClick = DOCHOSTUIDBLCLK_DEFAULT;
    return S_OK;
}

HRESULT HostUiHandler::GetOptionKeyPath(LPOLESTR* key, DWORD)
{
    if (key) *key = nullptr;
    return S_FALSE;
}

HRESULT HostUiHandler::GetDropTarget(IDropTarget*, IDropTarget** target)
{
    if (target) *target = nullptr;
    return S_FALSE;
}

HRESULT HostUiHandler::GetExternal(IDispatch** external)
{
    if (external) *external = nullptr;
    return S_FALSE;
}

HRESULT HostUiHandler::TranslateUrl(DWORD, LPWSTR address, LPWSTR* translated)
{
    if (!translated) return E_POINTER;
    *translated = nullptr;
    if (!IsNoteLink(address)) return S_FALSE;
    const std::size_t bytes = (std::wcslen(kBlankPage) + 1) * sizeof(wchar_t);
    auto* blank = static_cast<wchar_t*>(CoTaskMemAlloc(bytes));
    if (!blank) return S_FALSE;
    std::wmemcpy(blank, kBlankPage, std::wcslen(kBlankPage) + 1);
    SetClickedLink(NarrowText(address));
    PostMessageA(LinkOwner() ? LinkOwner() : host_.pane, WM_PW_LINK, 0, 0);
    *translated = blank;
    return S_OK;
}

HRESULT HostUiHandler::FilterDataObject(IDataObject*, IDataObject** replacement)
{
    if (replacement) *replacement = nullptr;
    return S_FALSE;
}

}  // namespace pw
