// The pane window owns one browser object: created in WM_CREATE (a failure fails the window's creation),
// sized in WM_SIZE, closed in WM_DESTROY. Everything else here reaches the control through IWebBrowser2.
#include "render/win/browser_pane.h"

#include <mshtml.h>

#include "render/win/browser_host.h"
#include "render/win/page_engine.h"
#include "render/win/render_state.h"
#include "render/win/wide_text.h"
#include "settings/limits.h"
#include "settings/win/message_pump.h"
#include "shell/ids.h"

namespace pw {
namespace {

constexpr std::size_t kMaxClickedLink = 1039;
constexpr const char* kFooter = "   ";

BrowserPaneState& State()
{
    return RenderArea().browser;
}

LRESULT CALLBACK BrowserWindowProc(HWND pane, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
        case WM_CREATE:
            return EmbedBrowser(pane) ? 0 : -1;
        case WM_DESTROY:
            UnembedBrowser(pane);
            return 0;
        case WM_SIZE:
            ResizePane(pane, LOWORD(lParam), HIWORD(lParam));
            return 0;
        default:
            return DefWindowProcA(pane, message, wParam, lParam);
    }
}

// The print dialog's input: a safe array of three variants, the header and the footer first.
bool PrintWithHeader(IWebBrowser2* web)
{
    SAFEARRAYBOUND bound{3, 0};
    SAFEARRAY* array = SafeArrayCreate(VT_VARIANT, 1, &bound);
    if (!array) return false;
    const std::string texts[2] = {PrintHeader(), kFooter};
    for (LONG i = 0; i < 2; ++i) {
        VARIANT item;
        VariantInit(&item);
        item.vt = VT_BSTR;
        item.bstrVal = SysAllocString(WideText(texts[i]).value_or(L"").c_str());
        SafeArrayPutElement(array, &i, &item);  // copies the variant
        VariantClear(&item);
    }
    VARIANT input;
    VariantInit(&input);
    input.vt = VT_ARRAY | VT_BYREF;
    input.pparray = &array;
    const HRESULT hr = web->ExecWB(OLECMDID_PRINT, OLECMDEXECOPT_PROMPTUSER, &input, nullptr);
    SafeArrayDestroy(array);
    return SUCCEEDED(hr);
}

std::string DefaultReadTitle(HWND pane)
{
    return PageTitle(pane);
}

}  // namespace

bool RegisterBrowserClass(HINSTANCE instance)
{
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof(wc);
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = BrowserWindowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.lpszClassName = kBrowserClassName;
    // Tests start the main window several times in one process: the class from the first start still serves.
    return RegisterClassExA(&wc) || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

HWND CreateBrowserPane(HWND parent)
{
    // The caption shows page titles even when the pane cannot be made (no OLE).
    State().mainWindow = parent;
    auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(parent, GWLP_HINSTANCE));
    HWND pane = CreateWindowExA(0, kBrowserClassName, "", WS_CHILD | WS_CLIPCHILDREN, 0, 0, 10, 10, parent,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDW_BROWSER)), instance, nullptr);
    if (!pane) return nullptr;
    State().pane = pane;
    SetLinkOwner(parent);
    SetCopyPane(pane);
    SetShownPageKind(PageKind::None);
    return pane;
}

void SetLinkOwner(HWND owner)
{
    State().linkOwner = owner;
}
HWND LinkOwner()
{
    return State().linkOwner;
}
void SetCopyPane(HWND pane)
{
    State().copyPane = pane;
}
const std::string& ClickedLink()
{
    return State().clickedLink;
}
void SetClickedLink(const std::string& link)
{
    State().clickedLink = Cut(link, kMaxClickedLink);
}
PageKind ShownPageKind()
{
    return State().kind;
}
void SetShownPageKind(PageKind kind)
{
    State().kind = kind;
}

NavigateResult NavigatePane(HWND pane, const std::string& address)
{
    ComPtr<IWebBrowser2> web = WebBrowserOf(pane);
    if (!web) return NavigateResult::NoControl;
    std::optional<std::wstring> wide = WideText(address);
    if (!wide) return NavigateResult::NoWideText;
    Bstr url(wide->c_str());
    if (!url.get()) return NavigateResult::NoWideText;
    VARIANT empty;
    VariantInit(&empty);
    const HRESULT hr = web->Navigate(url.get(), &empty, &empty, &empty, &empty);
    return SUCCEEDED(hr) ? NavigateResult::Ok : NavigateResult::Refused;
}

bool BrowserCommand(HWND pane, int command)
{
    ComPtr<IWebBrowser2> web = WebBrowserOf(pane);
    if (!web) return false;
    HRESULT hr = E_INVALIDARG;
    switch (command) {
        case kBrowserBack:
            hr = web->GoBack();
            break;
        case kBrowserForward:
            hr = web->GoForward();
            break;
        case kBrowserHome:
            hr = web->GoHome();
            break;
        case kBrowserSearch:
            hr = web->GoSearch();
            break;
        case kBrowserRefresh:
            hr = web->Refresh();
            break;
        case kBrowserStop:
            hr = web->Stop();
            break;
        case kBrowserPrint:
            return PrintWithHeader(web.get());
        default:
            break;
    }
    return SUCCEEDED(hr);
}

void SetPrintHeader(const std::string& header)
{
    State().printHeader = header.empty() ? kFooter : Cut(header);
}
const std::string& PrintHeader()
{
    return State().printHeader;
}

std::string PageTitle(HWND pane)
{
    ComPtr<IWebBrowser2> web = WebBrowserOf(pane);
    if (!web) return {};
    ComPtr<IDispatch> document;
    if (FAILED(web->get_Document(document.out())) || !document) return {};
    ComPtr<IHTMLDocument2> html = document.as<IHTMLDocument2>(IID_IHTMLDocument2);
    if (!html) return {};
    Bstr title;
    if (FAILED(html->get_title(title.out()))) return {};
    return Cut(NarrowText(title.get()));
}

void SetTitleWait(const TitleWait& wait)
{
    State().titleWait = wait;
}

std::string WaitForTitleChange(HWND pane)
{
    const TitleWait& wait = State().titleWait;
    auto read = wait.readTitle ? wait.readTitle : DefaultReadTitle;
    auto pump = wait.pump ? wait.pump : PumpPendingMessages;
    const std::string first = read(pane);
    std::string last = first;
    for (int reading = 1; reading < wait.maxReadings; ++reading) {
        if (!pump(wait.stepMs)) break;
        last = read(pane);
        if (last != first) break;
    }
    if (State().mainWindow) SetWindowTextA(State().mainWindow, last.c_str());
    return last;
}

bool TitleArrives(HWND pane, const std::string& expected, int maxReadings)
{
    const TitleWait& wait = State().titleWait;
    auto read = wait.readTitle ? wait.readTitle : DefaultReadTitle;
    auto pump = wait.pump ? wait.pump : PumpPendingMessages;
    for (int reading = 0; reading < maxReadings; ++reading) {
        if (read(pane) == expected) return true;
        if (!pump(wait.stepMs)) break;
    }
    return false;
}

void ResizePane(HWND pane, int width, int height)
{
    if (ComPtr<IWebBrowser2> web = WebBrowserOf(pane)) {
        web->put_Width(width);
        web->put_Height(height);
    }
    State().lastWidth = width;
    State().lastHeight = height;
    FitEngineNotice(width, height);
}

bool LastPaneSize(int& width, int& height)
{
    if (State().lastWidth <= 0 || State().lastHeight <= 0) return false;
    width = State().lastWidth;
    height = State().lastHeight;
    return true;
}

void SetContextMenuTracker(MenuTracker tracker)
{
    State().menuTracker = std::move(tracker);
}

int TrackContextMenu(HMENU menu, POINT at, HWND owner)
{
    if (State().menuTracker) return State().menuTracker(menu, at, owner);
    return static_cast<int>(
        TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD, at.x, at.y, 0, owner, nullptr));
}

HWND CopyPane()
{
    return State().copyPane;
}

}  // namespace pw
