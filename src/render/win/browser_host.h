// The container side of the embedded web browser control: one host record per pane window, holding the
// browser object and the site interfaces the control calls back on. Only the pane's own files use this.
#pragma once

#include <windows.h>
#include <ole2.h>
#include <exdisp.h>
#include <mshtmhst.h>

#include <memory>
#include <string>

#include "settings/win/com_ptr.h"

namespace pw {

struct BrowserHost;

// The site objects live inside their host record and die with it: AddRef and Release count nothing.
class HostClientSite final : public IOleClientSite {
public:
    explicit HostClientSite(BrowserHost& host) : host_(host) {}
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE SaveObject() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetMoniker(DWORD, DWORD, IMoniker**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetContainer(IOleContainer** out) override;
    HRESULT STDMETHODCALLTYPE ShowObject() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnShowWindow(BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE RequestNewObjectLayout() override { return E_NOTIMPL; }

private:
    BrowserHost& host_;
};

class HostInPlaceSite final : public IOleInPlaceSite {
public:
    explicit HostInPlaceSite(BrowserHost& host) : host_(host) {}
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override;
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE CanInPlaceActivate() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnInPlaceActivate() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnUIActivate() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document, RECT*, RECT*,
                                               OLEINPLACEFRAMEINFO* info) override;
    HRESULT STDMETHODCALLTYPE Scroll(SIZE) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE OnUIDeactivate(BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnInPlaceDeactivate() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE DiscardUndoState() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE DeactivateAndUndo() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE OnPosRectChange(const RECT* rect) override;

private:
    BrowserHost& host_;
};

class HostInPlaceFrame final : public IOleInPlaceFrame {
public:
    explicit HostInPlaceFrame(BrowserHost& host) : host_(host) {}
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** out) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override;
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetBorder(RECT*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE RequestBorderSpace(LPCBORDERWIDTHS) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetBorderSpace(LPCBORDERWIDTHS) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE InsertMenus(HMENU, OLEMENUGROUPWIDTHS*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetMenu(HMENU, HOLEMENU, HWND) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE RemoveMenus(HMENU) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetStatusText(LPCOLESTR) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE EnableModeless(BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE TranslateAccelerator(MSG*, WORD) override { return E_NOTIMPL; }

private:
    BrowserHost& host_;
};

class HostUiHandler final : public IDocHostUIHandler {
public:
    explicit HostUiHandler(BrowserHost& host) : host_(host) {}
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE ShowContextMenu(DWORD, POINT* point, IUnknown*, IDispatch*) override;
    HRESULT STDMETHODCALLTYPE GetHostInfo(DOCHOSTUIINFO* info) override;
    HRESULT STDMETHODCALLTYPE ShowUI(DWORD, IOleInPlaceActiveObject*, IOleCommandTarget*, IOleInPlaceFrame*,
                                     IOleInPlaceUIWindow*) override
    {
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE HideUI() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE UpdateUI() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE EnableModeless(BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnDocWindowActivate(BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnFrameWindowActivate(BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE ResizeBorder(LPCRECT, IOleInPlaceUIWindow*, BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE TranslateAccelerator(LPMSG, const GUID*, DWORD) override { return S_FALSE; }
    HRESULT STDMETHODCALLTYPE GetOptionKeyPath(LPOLESTR* key, DWORD) override;
    HRESULT STDMETHODCALLTYPE GetDropTarget(IDropTarget*, IDropTarget** target) override;
    HRESULT STDMETHODCALLTYPE GetExternal(IDispatch** external) override;
    HRESULT STDMETHODCALLTYPE TranslateUrl(DWORD, LPWSTR address, LPWSTR* translated) override;
    HRESULT STDMETHODCALLTYPE FilterDataObject(IDataObject*, IDataObject** replacement) override;

private:
    BrowserHost& host_;
};

// The control only ever invokes by DISPID: no type information, no names.
class DispatchByIdOnly : public IDispatch {
public:
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
};

// The site's ambient properties, asked through the client site's IDispatch: only the download control is
// answered, and only for note pages; every other page keeps the control's defaults.
class HostAmbient final : public DispatchByIdOnly {
public:
    explicit HostAmbient(BrowserHost& host) : host_(host) {}
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS*, VARIANT* result, EXCEPINFO*,
                                     UINT*) override;

private:
    BrowserHost& host_;
};

// The control's navigation events (an object of its own): the address of each top-level navigation, announced
// before the page is fetched, tells the ambient download control which page it is asked for.
class HostEvents final : public DispatchByIdOnly {
public:
    explicit HostEvents(BrowserHost& host) : host_(host) {}
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*,
                                     UINT*) override;

private:
    BrowserHost& host_;
};

// In this order: the browser object, the client site, the in-place site, the in-place frame, the pane window
// and the document-host interface; then what keeps note pages from running script.
struct BrowserHost {
    explicit BrowserHost(HWND paneWindow)
        : clientSite(*this),
          inPlaceSite(*this),
          inPlaceFrame(*this),
          pane(paneWindow),
          uiHandler(*this),
          ambient(*this),
          events(*this)
    {
    }
    BrowserHost(const BrowserHost&) = delete;
    BrowserHost& operator=(const BrowserHost&) = delete;

    ComPtr<IOleObject> browser;
    HostClientSite clientSite;
    HostInPlaceSite inPlaceSite;
    HostInPlaceFrame inPlaceFrame;
    HWND pane;
    HostUiHandler uiHandler;
    HostAmbient ambient;
    HostEvents events;
    DWORD eventsCookie = 0;  // the control's events reach `events` while this is not 0
    std::string navigating;  // the address of the latest top-level navigation
};

// Connects the host's events to its browser object's navigation events, and disconnects them.
void ListenToNavigations(BrowserHost& host);
void StopListening(BrowserHost& host);

// The storage every browser object is created with: the control insists on one and never writes to it.
IStorage& SharedBrowserStorage();
// Creates the browser object in the pane and stores the host record in the pane's user data.
bool EmbedBrowser(HWND pane);
// Closes the browser object without saving, releases it, clears the user data and frees the record.
void UnembedBrowser(HWND pane);
// The pane's host record; null for a window without one.
BrowserHost* HostOf(HWND pane);
ComPtr<IWebBrowser2> WebBrowserOf(HWND pane);

}  // namespace pw
