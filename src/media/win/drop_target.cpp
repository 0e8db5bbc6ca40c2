// A drop arrives as DragEnter (the formats are checked once and the answer kept), DragOver while the mouse
// moves, then DragLeave or Drop. Drop runs the shell's handler under the wait cursor.
#include "media/win/drop_target.h"

namespace pw {
namespace {

const CLIPFORMAT kAccepted[] = {CF_DIB, CF_HDROP, CF_TEXT};

DWORD EffectFor(bool accepted)
{
    return accepted ? DROPEFFECT_COPY : DROPEFFECT_NONE;
}

}  // namespace

CLIPFORMAT HtmlClipboardFormat()
{
    return static_cast<CLIPFORMAT>(RegisterClipboardFormatA("text/html"));
}

bool OffersGlobal(IDataObject* data, CLIPFORMAT format)
{
    FORMATETC asked{format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    return data && data->QueryGetData(&asked) == S_OK;
}

CDropTarget::CDropTarget(HWND window, DropTargetKind kind, DropHandler handler)
    : window_(window), kind_(kind), handler_(handler)
{
}

HRESULT CDropTarget::QueryInterface(REFIID iid, void** out)
{
    if (!out) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDropTarget)) {
        AddRef();
        *out = this;
        return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
}

ULONG CDropTarget::AddRef()
{
    return static_cast<ULONG>(InterlockedIncrement(&references_));
}

ULONG CDropTarget::Release()
{
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
}

HRESULT CDropTarget::DragEnter(IDataObject* data, DWORD, POINTL, DWORD* effect)
{
    accepted_ = OffersGlobal(data, HtmlClipboardFormat());
    for (CLIPFORMAT format : kAccepted) accepted_ = accepted_ || OffersGlobal(data, format);
    if (effect) *effect = EffectFor(accepted_);
    return S_OK;
}

HRESULT CDropTarget::DragOver(DWORD, POINTL, DWORD* effect)
{
    if (effect) *effect = EffectFor(accepted_);
    return S_OK;
}

HRESULT CDropTarget::DragLeave()
{
    return S_OK;
}

HRESULT CDropTarget::Drop(IDataObject* data, DWORD, POINTL, DWORD* effect)
{
    if (!accepted_ || !data) {
        if (effect) *effect = DROPEFFECT_NONE;
        return S_OK;
    }
    HCURSOR previous = SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_WAIT)));
    if (handler_) handler_(kind_, data);
    if (effect) *effect = DROPEFFECT_COPY;
    SetCursor(previous);
    accepted_ = false;
    return S_OK;
}

CDropTarget* registerDropTarget(HWND window, DropTargetKind kind, DropHandler handler)
{
    if (!window) return nullptr;
    auto* target = new CDropTarget(window, kind, handler);
    HtmlClipboardFormat();
    CoLockObjectExternal(target, TRUE, FALSE);
    if (FAILED(RegisterDragDrop(window, target))) {
        CoLockObjectExternal(target, FALSE, TRUE);
        target->Release();
        return nullptr;
    }
    return target;
}

void revokeDropTarget(HWND window, CDropTarget* target)
{
    if (!target) return;
    RevokeDragDrop(window);
    CoLockObjectExternal(target, FALSE, TRUE);
    target->Release();
}

}  // namespace pw
