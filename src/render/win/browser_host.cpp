// Embedding the system web browser control in a pane window, in this order:
//   OleCreate(CLSID_WebBrowser, IID_IOleObject, OLERENDER_DRAW, client site, dummy storage)
//   -> IOleObject::SetHostNames("Pagewick") -> OleSetContainedObject(TRUE)
//   -> IOleObject::DoVerb(OLEIVERB_SHOW, client site, pane, client rectangle)
//        the control asks the client site for IOleInPlaceSite, calls CanInPlaceActivate, OnInPlaceActivate,
//        GetWindowContext (our frame, the pane as frame window) and OnUIActivate
//   -> QueryInterface(IWebBrowser2) -> left/top 0, width/height of the pane -> silent
//   -> the navigation events connected to the host's events object -> "about:blank".
// Before every navigation the control asks the client site for IDocHostUIHandler and calls TranslateUrl
// (browser_ui.cpp); each page it loads asks the client site's IDispatch for the download control
// (browser_ambient.cpp). Un-embedding: events disconnected, IOleObject::Close(OLECLOSE_NOSAVE), Release, then
// the record is freed.
#include "render/win/browser_host.h"

#include "render/win/browser_pane.h"

namespace pw {
namespace {

class DummyStorage final : public IStorage {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE CreateStream(const OLECHAR*, DWORD, DWORD, DWORD, IStream**) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE OpenStream(const OLECHAR*, void*, DWORD, DWORD, IStream**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE CreateStorage(const OLECHAR*, DWORD, DWORD, DWORD, IStorage**) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE OpenStorage(const OLECHAR*, IStorage*, DWORD, SNB, DWORD, IStorage**) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE CopyTo(DWORD, const IID*, SNB, IStorage*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE MoveElementTo(const OLECHAR*, IStorage*, const OLECHAR*, DWORD) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Commit(DWORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Revert() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumElements(DWORD, void*, DWORD, IEnumSTATSTG**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE DestroyElement(const OLECHAR*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE RenameElement(const OLECHAR*, const OLECHAR*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetElementTimes(const OLECHAR*, const FILETIME*, const FILETIME*,
                                              const FILETIME*) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetClass(REFCLSID) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE SetStateBits(DWORD, DWORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Stat(STATSTG*, DWORD) override { return E_NOTIMPL; }
};

HRESULT NoInterface(void** out)
{
    if (out) *out = nullptr;
    return E_NOINTERFACE;
}

bool Activate(BrowserHost& host)
{
    IOleObject* browser = host.browser.get();
    if (FAILED(OleSetContainedObject(browser, TRUE))) return false;
    RECT client{};
    GetClientRect(host.pane, &client);
    if (FAILED(browser->DoVerb(OLEIVERB_SHOW, nullptr, &host.clientSite, -1, host.pane, &client))) return false;
    ComPtr<IWebBrowser2> web = host.browser.as<IWebBrowser2>(IID_IWebBrowser2);
    if (!web) return false;
    web->put_Left(0);
    web->put_Top(0);
    web->put_Width(client.right);
    web->put_Height(client.bottom);
    // Script errors of a page are the page's business: no dialogs over the note.
    web->put_Silent(VARIANT_TRUE);
    ListenToNavigations(host);
    return true;
}

HRESULT DummyStorage::QueryInterface(REFIID iid, void** out)
{
    if (!out) return E_POINTER;
    if (!IsEqualIID(iid, IID_IUnknown) && !IsEqualIID(iid, IID_IStorage)) return NoInterface(out);
    *out = static_cast<IStorage*>(this);
    return S_OK;
}

}  // namespace

// It holds nothing, so one serves every pane for the life of the process.
IStorage& SharedBrowserStorage()
{
    static DummyStorage storage;
    return storage;
}

HRESULT HostClientSite::QueryInterface(REFIID iid, void** out)
{
    if (!out) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IOleClientSite)) {
        *out = static_cast<IOleClientSite*>(&host_.clientSite);
    } else if (IsEqualIID(iid, IID_IOleInPlaceSite)) {
        *out = static_cast<IOleInPlaceSite*>(&host_.inPlaceSite);
    } else if (IsEqualIID(iid, IID_IDocHostUIHandler)) {
        *out = static_cast<IDocHostUIHandler*>(&host_.uiHandler);
    } else if (IsEqualIID(iid, IID_IDispatch)) {
        *out = static_cast<IDispatch*>(&host_.ambient);
    } else {
        return NoInterface(out);
    }
    return S_OK;
}

HRESULT HostClientSite::GetContainer(IOleContainer** out)
{
    if (out) *out = nullptr;
    return E_NOINTERFACE;
}

HRESULT HostInPlaceSite::QueryInterface(REFIID iid, void** out)
{
    return host_.clientSite.QueryInterface(iid, out);
}

HRESULT HostInPlaceSite::GetWindow(HWND* window)
{
    if (!window) return E_POINTER;
    *window = host_.pane;
    return S_OK;
}

HRESULT HostInPlaceSite::GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document, RECT*, RECT*,
                                          OLEINPLACEFRAMEINFO* info)
{
    if (!frame || !document || !info) return E_POINTER;
    *frame = &host_.inPlaceFrame;
    *document = nullptr;
    info->fMDIApp = FALSE;
    info->hwndFrame = host_.pane;
    info->haccel = nullptr;
    info->cAccelEntries = 0;
    return S_OK;
}

HRESULT HostInPlaceSite::OnPosRectChange(const RECT* rect)
{
    if (!rect) return E_POINTER;
    ComPtr<IOleInPlaceObject> inPlace = host_.browser.as<IOleInPlaceObject>(IID_IOleInPlaceObject);
    if (inPlace) inPlace->SetObjectRects(rect, rect);
    return S_OK;
}

HRESULT HostInPlaceFrame::QueryInterface(REFIID, void** out)
{
    if (out) *out = nullptr;
    return E_NOTIMPL;
}

HRESULT HostInPlaceFrame::GetWindow(HWND* window)
{
    if (!window) return E_POINTER;
    *window = host_.pane;
    return S_OK;
}

bool EmbedBrowser(HWND pane)
{
    auto host = std::make_unique<BrowserHost>(pane);
    if (FAILED(OleCreate(CLSID_WebBrowser, IID_IOleObject, OLERENDER_DRAW, nullptr, &host->clientSite,
                         &SharedBrowserStorage(), host->browser.outVoid())) ||
        !host->browser) {
        return false;
    }
    SetWindowLongPtrA(pane, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(host.get()));
    BrowserHost& record = *host.release();
    record.browser->SetHostNames(L"Pagewick", nullptr);
    if (!Activate(record)) {
        UnembedBrowser(pane);
        return false;
    }
    NavigatePane(pane, "about:blank");
    return true;
}

void UnembedBrowser(HWND pane)
{
    BrowserHost* host = HostOf(pane);
    if (!host) return;
    StopListening(*host);
    if (host->browser) {
        host->browser->Close(OLECLOSE_NOSAVE);
        host->browser.reset();
    }
    SetWindowLongPtrA(pane, GWLP_USERDATA, 0);
    delete host;
}

BrowserHost* HostOf(HWND pane)
{
    // The user data of other windows means something else: only our own class holds a host record.
    char cls[64] = {};
    if (!pane || !GetClassNameA(pane, cls, sizeof(cls)) || lstrcmpA(cls, kBrowserClassName) != 0) return nullptr;
    return reinterpret_cast<BrowserHost*>(GetWindowLongPtrA(pane, GWLP_USERDATA));
}

ComPtr<IWebBrowser2> WebBrowserOf(HWND pane)
{
    BrowserHost* host = HostOf(pane);
    if (!host || !host->browser) return {};
    return host->browser.as<IWebBrowser2>(IID_IWebBrowser2);
}

}  // namespace pw
