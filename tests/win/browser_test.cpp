// The browser pane's host, driven through its own calls: Wine's control has no engine to show pages, so the
// site interfaces, the link catching, the context menu, sizes and the title wait are checked directly.
#include <windows.h>

#include <algorithm>
#include <cwchar>
#include <cstdint>
#include <string>
#include <vector>

#include <exdispid.h>
#include <mshtmdid.h>

#include "gui_harness.h"
#include "render/win/browser_host.h"
#include "render/win/browser_pane.h"
#include "render/win/page_security.h"
#include "render/win/wide_text.h"
#include "shell/ids.h"
#include "shell/win/main_window.h"

namespace pwtest {
namespace {

class BrowserTest : public PagewickTest {
protected:
    void SetUp() override
    {
        PagewickTest::SetUp();
        ASSERT_TRUE(Start());
        pane = pw::Main().panes.browser;
        ASSERT_TRUE(pane);
        host = pw::HostOf(pane);
        ASSERT_TRUE(host);
    }
    // Removes and reports a pending link message for the window.
    bool TakeLinkMessage(HWND window)
    {
        MSG msg;
        return PeekMessageA(&msg, window, WM_PW_LINK, WM_PW_LINK, PM_REMOVE) != FALSE;
    }

    HWND pane = nullptr;
    pw::BrowserHost* host = nullptr;
};

std::string ClipboardText()
{
    if (!OpenClipboard(nullptr)) return "<closed>";
    std::string text;
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const char* bytes = static_cast<const char*>(GlobalLock(data))) text = bytes;
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

void SetClipboardText(const std::string& text)
{
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    memcpy(GlobalLock(memory), text.c_str(), text.size() + 1);
    GlobalUnlock(memory);
    SetClipboardData(CF_TEXT, memory);
    CloseClipboard();
}

TEST_F(BrowserTest, PaneIsAHiddenChildOfItsOwnClass)
{
    EXPECT_EQ(GetDlgCtrlID(pane), IDW_BROWSER);
    EXPECT_EQ(GetParent(pane), hwnd);
    char cls[64] = {};
    GetClassNameA(pane, cls, sizeof(cls));
    EXPECT_STREQ(cls, "PW Browser Object");
    const ULONG_PTR style = GetClassLongPtrA(pane, GCL_STYLE);
    EXPECT_EQ(style & (CS_HREDRAW | CS_VREDRAW), static_cast<ULONG_PTR>(CS_HREDRAW | CS_VREDRAW));
    EXPECT_FALSE(IsWindowVisible(pane));
    EXPECT_EQ(pw::LinkOwner(), hwnd);
    EXPECT_EQ(pw::CopyPane(), pane);
}

TEST_F(BrowserTest, TranslateUrlCatchesNoteLinksOnly)
{
    struct Case {
        const wchar_t* address;
        bool caught;
        std::string link;
    };
    const Case cases[] = {
        {L"fw:x", true, "fw:x"}, {L"FW:x", true, "FW:x"},  {L"Fw:My%20Note", true, "Fw:My%20Note"},
        {L"fw:", true, "fw:"},   {L"fw", false, ""},       {L"f", false, ""},
        {L"", false, ""},        {L"http://x", false, ""}, {L"about:blank", false, ""},
    };
    for (const Case& c : cases) {
        pw::SetClickedLink("before");
        LPWSTR translated = reinterpret_cast<LPWSTR>(1);
        std::wstring address = c.address;
        const HRESULT hr = host->uiHandler.TranslateUrl(0, address.data(), &translated);
        const std::string label(address.begin(), address.end());
        if (c.caught) {
            EXPECT_EQ(hr, S_OK) << label;
            ASSERT_TRUE(translated) << label;
            EXPECT_STREQ(translated, L"about:blank") << label;
            CoTaskMemFree(translated);
            EXPECT_EQ(pw::ClickedLink(), c.link) << label;
            EXPECT_TRUE(TakeLinkMessage(hwnd)) << label;
        } else {
            EXPECT_EQ(hr, S_FALSE) << label;
            EXPECT_EQ(translated, nullptr) << label;
            EXPECT_EQ(pw::ClickedLink(), "before") << label;
            EXPECT_FALSE(TakeLinkMessage(hwnd)) << label;
        }
    }
    LPWSTR translated = nullptr;
    EXPECT_EQ(host->uiHandler.TranslateUrl(0, nullptr, &translated), S_FALSE);
    EXPECT_EQ(host->uiHandler.TranslateUrl(0, nullptr, nullptr), E_POINTER);
}

TEST_F(BrowserTest, WithoutAnOwnerTheLinkMessageGoesToThePane)
{
    pw::SetLinkOwner(nullptr);
    LPWSTR translated = nullptr;
    std::wstring address = L"fw:Note";
    EXPECT_EQ(host->uiHandler.TranslateUrl(0, address.data(), &translated), S_OK);
    CoTaskMemFree(translated);
    EXPECT_TRUE(TakeLinkMessage(pane));
    EXPECT_FALSE(TakeLinkMessage(hwnd));
    pw::SetLinkOwner(hwnd);
}

TEST_F(BrowserTest, ClickedLinkIsCutAt1039Characters)
{
    std::wstring address = L"fw:" + std::wstring(2000, L'n');
    LPWSTR translated = nullptr;
    EXPECT_EQ(host->uiHandler.TranslateUrl(0, address.data(), &translated), S_OK);
    CoTaskMemFree(translated);
    EXPECT_EQ(pw::ClickedLink().size(), 1039u);
    TakeLinkMessage(hwnd);
}

TEST_F(BrowserTest, ContextMenuHasOnlyCopyAndLeavesAnEmptySelectionOffTheClipboard)
{
    SetClipboardText("kept");
    for (int answer : {CMD_BROWSER_COPY, 0}) {
        std::vector<std::string> items;
        std::vector<UINT> ids;
        HWND menuOwner = nullptr;
        pw::SetContextMenuTracker([&](HMENU menu, POINT, HWND owner) {
            menuOwner = owner;
            for (int i = 0; i < GetMenuItemCount(menu); ++i) {
                char text[64] = {};
                GetMenuStringA(menu, i, text, sizeof(text), MF_BYPOSITION);
                items.push_back(text);
                ids.push_back(GetMenuItemID(menu, i));
            }
            return answer;
        });
        POINT at{10, 10};
        EXPECT_EQ(host->uiHandler.ShowContextMenu(0, &at, nullptr, nullptr), S_OK);
        EXPECT_EQ(items, std::vector<std::string>{"    Copy   "});
        EXPECT_EQ(ids, std::vector<UINT>{CMD_BROWSER_COPY});
        EXPECT_EQ(menuOwner, hwnd);
        EXPECT_EQ(ClipboardText(), "kept");
    }
    EXPECT_FALSE(pw::CopySelection(pane));
}

TEST_F(BrowserTest, SiteInterfacesGiveTheListedResults)
{
    void* out = reinterpret_cast<void*>(1);
    EXPECT_EQ(host->uiHandler.QueryInterface(IID_IOleInPlaceSite, &out), S_OK);
    EXPECT_EQ(out, static_cast<IOleInPlaceSite*>(&host->inPlaceSite));
    EXPECT_EQ(host->inPlaceSite.QueryInterface(IID_IUnknown, &out), S_OK);
    EXPECT_EQ(out, static_cast<IOleClientSite*>(&host->clientSite));
    EXPECT_EQ(host->clientSite.QueryInterface(IID_IDocHostUIHandler, &out), S_OK);
    EXPECT_EQ(out, static_cast<IDocHostUIHandler*>(&host->uiHandler));
    EXPECT_EQ(host->clientSite.QueryInterface(IID_IOleWindow, &out), E_NOINTERFACE);
    EXPECT_EQ(out, nullptr);
    out = reinterpret_cast<void*>(1);
    EXPECT_EQ(host->inPlaceFrame.QueryInterface(IID_IUnknown, &out), E_NOTIMPL);
    EXPECT_EQ(out, nullptr);
    EXPECT_EQ(host->clientSite.AddRef(), 1u);
    EXPECT_EQ(host->uiHandler.Release(), 1u);

    IOleContainer* container = reinterpret_cast<IOleContainer*>(1);
    EXPECT_EQ(host->clientSite.GetContainer(&container), E_NOINTERFACE);
    EXPECT_EQ(container, nullptr);
    EXPECT_EQ(host->clientSite.SaveObject(), E_NOTIMPL);

    HWND window = nullptr;
    EXPECT_EQ(host->inPlaceFrame.GetWindow(&window), S_OK);
    EXPECT_EQ(window, pane);
    IOleInPlaceFrame* frame = nullptr;
    IOleInPlaceUIWindow* document = reinterpret_cast<IOleInPlaceUIWindow*>(1);
    OLEINPLACEFRAMEINFO info{};
    info.fMDIApp = TRUE;
    EXPECT_EQ(host->inPlaceSite.GetWindowContext(&frame, &document, nullptr, nullptr, &info), S_OK);
    EXPECT_EQ(frame, &host->inPlaceFrame);
    EXPECT_EQ(document, nullptr);
    EXPECT_FALSE(info.fMDIApp);
    EXPECT_EQ(info.hwndFrame, pane);
    EXPECT_EQ(info.haccel, nullptr);

    DOCHOSTUIINFO ui{};
    EXPECT_EQ(host->uiHandler.GetHostInfo(&ui), S_OK);
    EXPECT_EQ(ui.dwFlags, 4u);
    EXPECT_EQ(ui.dwDoubleClick, 0u);
    MSG msg{};
    EXPECT_EQ(host->uiHandler.TranslateAccelerator(&msg, nullptr, 0), S_FALSE);
    IDispatch* external = reinterpret_cast<IDispatch*>(1);
    EXPECT_EQ(host->uiHandler.GetExternal(&external), S_FALSE);
    EXPECT_EQ(external, nullptr);
    IDropTarget* target = reinterpret_cast<IDropTarget*>(1);
    EXPECT_EQ(host->uiHandler.GetDropTarget(nullptr, &target), S_FALSE);
    EXPECT_EQ(target, nullptr);
}

// Every QueryInterface answer, the out pointer filled with garbage first: a refusal must leave it null.
TEST_F(BrowserTest, QueryInterfaceAnswersAndNullsTheOutPointerOnRefusal)
{
    IUnknown* const client = static_cast<IOleClientSite*>(&host->clientSite);
    IUnknown* const inPlace = static_cast<IOleInPlaceSite*>(&host->inPlaceSite);
    IUnknown* const ui = static_cast<IDocHostUIHandler*>(&host->uiHandler);
    IUnknown* const frame = static_cast<IOleInPlaceFrame*>(&host->inPlaceFrame);
    IUnknown* const storage = &pw::SharedBrowserStorage();
    IUnknown* const ambient = static_cast<IDispatch*>(&host->ambient);
    IUnknown* const events = static_cast<IDispatch*>(&host->events);
    struct Case {
        const char* label;
        IUnknown* object;
        const IID* iid;
        HRESULT result;
        void* out;
    };
    const Case cases[] = {
        {"site IUnknown", client, &IID_IUnknown, S_OK, client},
        {"site IOleClientSite", client, &IID_IOleClientSite, S_OK, client},
        {"site IOleInPlaceSite", client, &IID_IOleInPlaceSite, S_OK, inPlace},
        {"site IDocHostUIHandler", client, &IID_IDocHostUIHandler, S_OK, ui},
        {"site IOleWindow", client, &IID_IOleWindow, E_NOINTERFACE, nullptr},
        {"site IOleInPlaceFrame", client, &IID_IOleInPlaceFrame, E_NOINTERFACE, nullptr},
        {"site IStorage", client, &IID_IStorage, E_NOINTERFACE, nullptr},
        {"in-place IUnknown", inPlace, &IID_IUnknown, S_OK, client},
        {"in-place IOleInPlaceSite", inPlace, &IID_IOleInPlaceSite, S_OK, inPlace},
        {"in-place IOleWindow", inPlace, &IID_IOleWindow, E_NOINTERFACE, nullptr},
        {"ui IUnknown", ui, &IID_IUnknown, S_OK, client},
        {"ui IDocHostUIHandler", ui, &IID_IDocHostUIHandler, S_OK, ui},
        {"ui IStream", ui, &IID_IStream, E_NOINTERFACE, nullptr},
        {"site IDispatch", client, &IID_IDispatch, S_OK, ambient},
        {"ambient IUnknown", ambient, &IID_IUnknown, S_OK, client},
        {"ambient IDispatch", ambient, &IID_IDispatch, S_OK, ambient},
        {"ambient IOleWindow", ambient, &IID_IOleWindow, E_NOINTERFACE, nullptr},
        {"events IUnknown", events, &IID_IUnknown, S_OK, events},
        {"events IDispatch", events, &IID_IDispatch, S_OK, events},
        {"events DWebBrowserEvents2", events, &DIID_DWebBrowserEvents2, S_OK, events},
        {"events IOleClientSite", events, &IID_IOleClientSite, E_NOINTERFACE, nullptr},
        {"frame IUnknown", frame, &IID_IUnknown, E_NOTIMPL, nullptr},
        {"frame IOleInPlaceFrame", frame, &IID_IOleInPlaceFrame, E_NOTIMPL, nullptr},
        {"storage IUnknown", storage, &IID_IUnknown, S_OK, storage},
        {"storage IStorage", storage, &IID_IStorage, S_OK, storage},
        {"storage IStream", storage, &IID_IStream, E_NOINTERFACE, nullptr},
        {"storage IOleClientSite", storage, &IID_IOleClientSite, E_NOINTERFACE, nullptr},
        {"storage IPersistStorage", storage, &IID_IPersistStorage, E_NOINTERFACE, nullptr},
    };
    for (const Case& c : cases) {
        void* out = reinterpret_cast<void*>(static_cast<std::uintptr_t>(0xBAADF00D));
        EXPECT_EQ(c.object->QueryInterface(*c.iid, &out), c.result) << c.label;
        EXPECT_EQ(out, c.out) << c.label;
        // The frame's answer is fixed whatever it is given.
        EXPECT_EQ(c.object->QueryInterface(*c.iid, nullptr), c.object == frame ? E_NOTIMPL : E_POINTER) << c.label;
    }
    // Nothing is counted: the objects live as long as their pane.
    for (IUnknown* object : {client, inPlace, ui, frame, storage, ambient, events}) {
        EXPECT_EQ(object->AddRef(), 1u);
        EXPECT_EQ(object->Release(), 1u);
    }
}

// The download control the page engine asks its site for when it loads a document.
HRESULT AskDownloadControl(IDispatch* ambient, VARIANT* result, WORD how = DISPATCH_PROPERTYGET,
                           DISPID property = DISPID_AMBIENT_DLCONTROL)
{
    DISPPARAMS none{};
    return ambient->Invoke(property, IID_NULL, LOCALE_USER_DEFAULT, how, &none, result, nullptr, nullptr);
}

constexpr long kNotePageFlags = DLCTL_DLIMAGES | DLCTL_VIDEOS | DLCTL_BGSOUNDS | DLCTL_NO_SCRIPTS | DLCTL_NO_JAVA |
                                DLCTL_NO_RUNACTIVEXCTLS | DLCTL_NO_DLACTIVEXCTLS;

// Rendered note pages load without scripts, Java and ActiveX controls; every other page keeps the engine's own
// settings.
TEST_F(BrowserTest, NotePagesLoadWithoutScriptsOrControls)
{
    void* out = nullptr;
    ASSERT_EQ(host->clientSite.QueryInterface(IID_IDispatch, &out), S_OK);
    IDispatch* ambient = static_cast<IDispatch*>(out);
    struct Case {
        std::string address;
        bool restricted;
    };
    const std::string page = InFolder("temp\\fw1A2B.tmp.html");
    std::string url = "file:///" + page;
    std::replace(url.begin(), url.end(), '\\', '/');
    const Case cases[] = {
        {page, true},
        {InFolder("temp.html"), false},  // the image page sizes its image with a style expression
        {url, true},
        {InFolder("temp\\fwupdate.log"), false},
        {InFolder("temp\\FW1A2B.TMP.HTML"), true},
        {InFolder("temp\\sub\\fw1A2B.tmp.html"), false},
        {InFolder("page.html"), false},
        {"about:blank", false},
        {page, true},
    };
    for (const Case& c : cases) {
        ASSERT_EQ(pw::NavigatePane(pane, c.address), pw::NavigateResult::Ok) << c.address;
        Pump();
        VARIANT result{};
        if (c.restricted) {
            ASSERT_EQ(AskDownloadControl(ambient, &result), S_OK) << c.address;
            EXPECT_EQ(result.vt, VT_I4) << c.address;
            EXPECT_EQ(result.lVal, kNotePageFlags) << c.address;
        } else {
            EXPECT_EQ(AskDownloadControl(ambient, &result), DISP_E_MEMBERNOTFOUND) << c.address;
            EXPECT_EQ(result.vt, VT_EMPTY) << c.address;
        }
    }
    VARIANT result{};
    EXPECT_EQ(AskDownloadControl(ambient, &result, DISPATCH_PROPERTYGET, DISPID_AMBIENT_USERAGENT),
              DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(AskDownloadControl(ambient, &result, DISPATCH_METHOD), DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(AskDownloadControl(ambient, nullptr), E_POINTER);
    // The ambient properties belong to the site: the same object for IUnknown.
    EXPECT_EQ(ambient->QueryInterface(IID_IUnknown, &out), S_OK);
    EXPECT_EQ(out, static_cast<IOleClientSite*>(&host->clientSite));
}

// The control's BeforeNavigate2 as it calls it: the arguments in reverse order, the address by reference.
void AnnounceNavigation(pw::BrowserHost& host, IDispatch* browser, const wchar_t* address)
{
    pw::Bstr text(address);
    VARIANT url;
    VariantInit(&url);
    url.vt = VT_BSTR;
    url.bstrVal = text.get();
    VARIANT arguments[7];
    for (VARIANT& v : arguments) VariantInit(&v);
    arguments[6].vt = VT_DISPATCH;
    arguments[6].pdispVal = browser;
    arguments[5].vt = VT_BYREF | VT_VARIANT;
    arguments[5].pvarVal = &url;
    DISPPARAMS params{arguments, nullptr, 7, 0};
    EXPECT_EQ(host.events.Invoke(DISPID_BEFORENAVIGATE2, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params,
                                 nullptr, nullptr, nullptr),
              S_OK);
}

TEST_F(BrowserTest, OnlyTheTopLevelPageDecidesTheDownloadControl)
{
    pw::ComPtr<IWebBrowser2> browser = pw::WebBrowserOf(pane);
    ASSERT_TRUE(browser);
    const std::wstring page = L"file:///" + std::wstring(Folder().begin(), Folder().end()) + L"temp/fw12.tmp.html";
    struct Case {
        IDispatch* navigating;  // the browser object the event names
        const wchar_t* address;
        bool restricted;
    };
    const Case cases[] = {
        {browser.get(), page.c_str(), true},
        {&host->ambient, L"http://example.com/", true},  // a frame of the note page
        {browser.get(), L"http://example.com/", false},
        {nullptr, page.c_str(), true},  // no browser named: the page itself
    };
    for (const Case& c : cases) {
        AnnounceNavigation(*host, c.navigating, c.address);
        VARIANT result{};
        const std::string label(c.address, c.address + std::wcslen(c.address));
        EXPECT_EQ(AskDownloadControl(&host->ambient, &result), c.restricted ? S_OK : DISP_E_MEMBERNOTFOUND) << label;
        EXPECT_EQ(result.lVal, c.restricted ? kNotePageFlags : 0) << label;
    }
    DISPPARAMS none{};  // an event without its arguments changes nothing
    EXPECT_EQ(
        host->events.Invoke(DISPID_BEFORENAVIGATE2, IID_NULL, 0, DISPATCH_METHOD, &none, nullptr, nullptr, nullptr),
        S_OK);
    VARIANT result{};
    EXPECT_EQ(AskDownloadControl(&host->ambient, &result), S_OK);
}

TEST(PageSecurity, LocalPathOfAnAddress)
{
    struct Case {
        const char* address;
        const char* path;
    };
    const Case cases[] = {
        {"file:///C:/notes/a%20b.html", "C:\\notes\\a b.html"},
        {"FILE:///c:/x", "c:\\x"},
        {"file://C:/x", "C:\\x"},
        {"file:C:/x", "C:\\x"},
        {"file://server/share/x.html", "\\\\server\\share\\x.html"},
        {"file:///C:/100%", "C:\\100%"},
        {"file:///C:/%4x%zz", "C:\\%4x%zz"},
        {"file:///C:/%41%2f", "C:\\A\\"},
        {"C:\\plain\\fw1.tmp.html", "C:\\plain\\fw1.tmp.html"},
        {"about:blank", "about:blank"},
        {"http://example.com/a%20b", "http://example.com/a%20b"},
        {"", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(pw::LocalPathOf(c.address), c.path) << c.address;
}

TEST_F(BrowserTest, ResizeIsRememberedAsTheLastPaneSize)
{
    SendMessageA(pane, WM_SIZE, 0, MAKELPARAM(300, 200));
    int width = 0;
    int height = 0;
    ASSERT_TRUE(pw::LastPaneSize(width, height));
    EXPECT_EQ(width, 300);
    EXPECT_EQ(height, 200);
    pw::ResizePane(pane, 0, 200);
    EXPECT_FALSE(pw::LastPaneSize(width, height));
    EXPECT_EQ(width, 300);
}

TEST_F(BrowserTest, WaitForTitleChangeGivesUpAfterItsReadingLimit)
{
    int pumps = 0;
    int readings = 0;
    pw::TitleWait wait;
    wait.maxReadings = 7;
    wait.stepMs = 0;
    wait.pump = [&](int) { return ++pumps, true; };
    wait.readTitle = [&](HWND) { return ++readings, std::string("same"); };
    pw::SetTitleWait(wait);
    EXPECT_EQ(pw::WaitForTitleChange(pane), "same");
    EXPECT_EQ(readings, 7);
    EXPECT_EQ(pumps, 6);
    char title[64] = {};
    GetWindowTextA(hwnd, title, sizeof(title));
    EXPECT_STREQ(title, "same");
}

TEST_F(BrowserTest, WaitForTitleChangeStopsAtTheFirstNewTitleOrWhenQuitting)
{
    std::vector<std::string> titles = {"old", "old", "new", "newer"};
    std::size_t next = 0;
    pw::TitleWait wait;
    wait.stepMs = 0;
    wait.pump = [](int) { return true; };
    wait.readTitle = [&](HWND) { return titles[std::min(next++, titles.size() - 1)]; };
    pw::SetTitleWait(wait);
    EXPECT_EQ(pw::WaitForTitleChange(pane), "new");
    EXPECT_EQ(next, 3u);

    next = 0;
    wait.pump = [](int) { return false; };
    pw::SetTitleWait(wait);
    EXPECT_EQ(pw::WaitForTitleChange(pane), "old");
    EXPECT_EQ(next, 1u);
}

TEST_F(BrowserTest, OperationsOnAWindowWithoutBrowserFailQuietly)
{
    EXPECT_EQ(pw::NavigatePane(hwnd, "about:blank"), pw::NavigateResult::NoControl);
    EXPECT_EQ(pw::NavigatePane(nullptr, "about:blank"), pw::NavigateResult::NoControl);
    EXPECT_FALSE(pw::BrowserCommand(hwnd, pw::kBrowserRefresh));
    EXPECT_EQ(pw::PageTitle(hwnd), "");
    EXPECT_FALSE(pw::CopySelection(nullptr));
    EXPECT_EQ(pw::HostOf(hwnd), nullptr);
}

TEST_F(BrowserTest, NavigatesAndRunsCommands)
{
    EXPECT_EQ(pw::NavigatePane(pane, "about:blank"), pw::NavigateResult::Ok);
    EXPECT_TRUE(pw::BrowserCommand(pane, pw::kBrowserStop));
    EXPECT_FALSE(pw::BrowserCommand(pane, 7));
    EXPECT_FALSE(pw::BrowserCommand(pane, -1));
}

TEST_F(BrowserTest, PrintHeaderIsThreeBlanksWhenEmpty)
{
    pw::SetPrintHeader("");
    EXPECT_EQ(pw::PrintHeader(), "   ");
    pw::SetPrintHeader(std::string(300, 'h'));
    EXPECT_EQ(pw::PrintHeader().size(), 259u);
}

}  // namespace
}  // namespace pwtest
