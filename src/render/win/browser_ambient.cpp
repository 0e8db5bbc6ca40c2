// Keeping script out of note pages. The control fires BeforeNavigate2 before it fetches a page, and the page's
// document then asks the site for the ambient download control (again on every refresh): the address of the
// latest top-level navigation decides whether the answer restricts the page. Navigations inside frames leave
// it alone, since frames take the settings of the page that holds them.
#include <exdispid.h>
#include <mshtmdid.h>
#include <ocidl.h>

#include "render/win/browser_host.h"
#include "render/win/page_security.h"
#include "render/win/wide_text.h"

namespace pw {
namespace {

constexpr UINT kBeforeNavigateArguments = 7;  // in reverse: browser, address, flags, frame, post data, ...

HRESULT NoInterface(void** out)
{
    if (out) *out = nullptr;
    return E_NOINTERFACE;
}

const VARIANT& Dereferenced(const VARIANT& v)
{
    return v.vt == (VT_BYREF | VT_VARIANT) && v.pvarVal ? *v.pvarVal : v;
}

std::string AddressOf(const VARIANT& argument)
{
    const VARIANT& v = Dereferenced(argument);
    return v.vt == VT_BSTR ? NarrowText(v.bstrVal) : std::string();
}

// The event names the browser object that navigates: ours for the page, another one for a frame.
bool IsTopLevel(const BrowserHost& host, const VARIANT& argument)
{
    const VARIANT& v = Dereferenced(argument);
    if (v.vt != VT_DISPATCH || !v.pdispVal) return true;
    ComPtr<IUnknown> navigating;
    ComPtr<IUnknown> ours = host.browser.as<IUnknown>(IID_IUnknown);
    v.pdispVal->QueryInterface(IID_IUnknown, navigating.outVoid());
    return !ours || navigating.get() == ours.get();
}

ComPtr<IConnectionPoint> NavigationEvents(const BrowserHost& host)
{
    ComPtr<IConnectionPointContainer> container =
        host.browser.as<IConnectionPointContainer>(IID_IConnectionPointContainer);
    ComPtr<IConnectionPoint> point;
    if (container) container->FindConnectionPoint(DIID_DWebBrowserEvents2, point.out());
    return point;
}

}  // namespace

HRESULT DispatchByIdOnly::GetTypeInfoCount(UINT* count)
{
    if (!count) return E_POINTER;
    *count = 0;
    return S_OK;
}

HRESULT DispatchByIdOnly::GetTypeInfo(UINT, LCID, ITypeInfo** info)
{
    if (info) *info = nullptr;
    return E_NOTIMPL;
}

HRESULT DispatchByIdOnly::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*)
{
    return E_NOTIMPL;
}

HRESULT HostAmbient::QueryInterface(REFIID iid, void** out)
{
    return host_.clientSite.QueryInterface(iid, out);
}

HRESULT HostAmbient::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS*, VARIANT* result, EXCEPINFO*, UINT*)
{
    // "Member not found" leaves a property at the control's default.
    if (id != DISPID_AMBIENT_DLCONTROL || !(flags & DISPATCH_PROPERTYGET) || !IsNotePage(host_.navigating))
        return DISP_E_MEMBERNOTFOUND;
    if (!result) return E_POINTER;
    VariantInit(result);
    result->vt = VT_I4;
    result->lVal = NotePageDownloadControl();
    return S_OK;
}

HRESULT HostEvents::QueryInterface(REFIID iid, void** out)
{
    if (!out) return E_POINTER;
    if (!IsEqualIID(iid, IID_IUnknown) && !IsEqualIID(iid, IID_IDispatch) && !IsEqualIID(iid, DIID_DWebBrowserEvents2))
        return NoInterface(out);
    *out = static_cast<IDispatch*>(this);
    return S_OK;
}

HRESULT HostEvents::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*, UINT*)
{
    if (id != DISPID_BEFORENAVIGATE2 || !params || params->cArgs != kBeforeNavigateArguments || !params->rgvarg)
        return S_OK;
    const VARIANT* arguments = params->rgvarg;
    if (IsTopLevel(host_, arguments[6])) host_.navigating = AddressOf(arguments[5]);
    return S_OK;
}

void ListenToNavigations(BrowserHost& host)
{
    if (host.eventsCookie) return;
    if (ComPtr<IConnectionPoint> point = NavigationEvents(host)) {
        DWORD cookie = 0;
        if (SUCCEEDED(point->Advise(static_cast<IDispatch*>(&host.events), &cookie))) host.eventsCookie = cookie;
    }
}

void StopListening(BrowserHost& host)
{
    if (!host.eventsCookie) return;
    if (ComPtr<IConnectionPoint> point = NavigationEvents(host)) point->Unadvise(host.eventsCookie);
    host.eventsCookie = 0;
}

}  // namespace pw
