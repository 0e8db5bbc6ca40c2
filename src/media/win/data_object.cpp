#include "media/win/data_object.h"

#include <cstring>

#include "settings/win/global_memory.h"

namespace pw {
namespace {

// The answer of QueryInterface for an object that offers IUnknown and one interface of its own.
template <typename Object>
HRESULT Answer(Object* object, REFIID asked, REFIID own, void** out)
{
    if (!out) return E_POINTER;
    if (IsEqualIID(asked, IID_IUnknown) || IsEqualIID(asked, own)) {
        object->AddRef();
        *out = object;
        return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
}

// A target device record copied into the task allocator's memory (the enumerator's caller frees it with
// CoTaskMemFree, as the interface says).
DVTARGETDEVICE* CopyDevice(const DVTARGETDEVICE* device)
{
    if (!device) return nullptr;
    auto* copy = static_cast<DVTARGETDEVICE*>(CoTaskMemAlloc(device->tdSize));
    if (copy) std::memcpy(copy, device, device->tdSize);
    return copy;
}

}  // namespace

CDataObject::CDataObject(const FORMATETC* formats, const STGMEDIUM* media, int count)
    : formats_(formats, formats + count), media_(media, media + count)
{
}

CDataObject::~CDataObject()
{
    for (STGMEDIUM& medium : media_) ReleaseStgMedium(&medium);
    OutputDebugStringA("oof\n");
}

HRESULT CDataObject::QueryInterface(REFIID iid, void** out)
{
    return Answer(this, iid, IID_IDataObject, out);
}

ULONG CDataObject::AddRef()
{
    return static_cast<ULONG>(InterlockedIncrement(&references_));
}

ULONG CDataObject::Release()
{
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
}

int CDataObject::Find(const FORMATETC& format) const
{
    for (std::size_t i = 0; i < formats_.size(); ++i) {
        const FORMATETC& own = formats_[i];
        if (own.cfFormat == format.cfFormat && own.dwAspect == format.dwAspect && (own.tymed & format.tymed))
            return static_cast<int>(i);
    }
    return -1;
}

HRESULT CDataObject::GetData(FORMATETC* format, STGMEDIUM* medium)
{
    if (!format || !medium) return E_INVALIDARG;
    const int index = Find(*format);
    if (index < 0 || formats_[static_cast<std::size_t>(index)].tymed != TYMED_HGLOBAL) return DV_E_FORMATETC;
    // Each caller gets a block of its own to free, of the same size as the one kept here.
    const STGMEDIUM& own = media_[static_cast<std::size_t>(index)];
    LockedMemory source(own.hGlobal);
    if (!source.data()) return STG_E_MEDIUMFULL;
    GlobalMemory copy = GlobalCopyOf(std::string_view(source.data(), source.size()));
    if (!copy) return STG_E_MEDIUMFULL;
    medium->tymed = own.tymed;
    medium->hGlobal = copy.release();
    medium->pUnkForRelease = nullptr;
    return S_OK;
}

HRESULT CDataObject::GetDataHere(FORMATETC*, STGMEDIUM*)
{
    return DV_E_FORMATETC;
}

HRESULT CDataObject::QueryGetData(FORMATETC* format)
{
    return format && Find(*format) >= 0 ? S_OK : DV_E_FORMATETC;
}

HRESULT CDataObject::GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out)
{
    if (out) out->ptd = nullptr;
    return E_NOTIMPL;
}

HRESULT CDataObject::SetData(FORMATETC*, STGMEDIUM*, BOOL)
{
    return E_NOTIMPL;
}

HRESULT CDataObject::EnumFormatEtc(DWORD direction, IEnumFORMATETC** out)
{
    if (!out) return E_INVALIDARG;
    *out = nullptr;
    if (direction != DATADIR_GET) return E_NOTIMPL;
    *out = new CEnumFormatEtc(formats_.data(), static_cast<int>(formats_.size()));
    return S_OK;
}

HRESULT CDataObject::DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*)
{
    return OLE_E_ADVISENOTSUPPORTED;
}

HRESULT CDataObject::DUnadvise(DWORD)
{
    return OLE_E_ADVISENOTSUPPORTED;
}

HRESULT CDataObject::EnumDAdvise(IEnumSTATDATA**)
{
    return OLE_E_ADVISENOTSUPPORTED;
}

CEnumFormatEtc::CEnumFormatEtc(const FORMATETC* formats, int count, ULONG cursor)
    : cursor_(cursor), formats_(formats, formats + count)
{
    for (FORMATETC& format : formats_) format.ptd = CopyDevice(format.ptd);
}

CEnumFormatEtc::~CEnumFormatEtc()
{
    for (FORMATETC& format : formats_) CoTaskMemFree(format.ptd);
}

HRESULT CEnumFormatEtc::QueryInterface(REFIID iid, void** out)
{
    return Answer(this, iid, IID_IEnumFORMATETC, out);
}

ULONG CEnumFormatEtc::AddRef()
{
    return static_cast<ULONG>(InterlockedIncrement(&references_));
}

ULONG CEnumFormatEtc::Release()
{
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
}

HRESULT CEnumFormatEtc::Next(ULONG count, FORMATETC* out, ULONG* fetched)
{
    if (!out || count == 0) return E_INVALIDARG;
    ULONG copied = 0;
    while (copied < count && cursor_ < formats_.size()) {
        out[copied] = formats_[cursor_];
        out[copied].ptd = CopyDevice(formats_[cursor_].ptd);
        ++copied;
        ++cursor_;
    }
    if (fetched) *fetched = copied;
    return copied == count ? S_OK : S_FALSE;
}

HRESULT CEnumFormatEtc::Skip(ULONG count)
{
    cursor_ += count;
    return cursor_ > formats_.size() ? S_FALSE : S_OK;
}

HRESULT CEnumFormatEtc::Reset()
{
    cursor_ = 0;
    return S_OK;
}

HRESULT CEnumFormatEtc::Clone(IEnumFORMATETC** out)
{
    if (!out) return E_INVALIDARG;
    *out = new CEnumFormatEtc(formats_.data(), static_cast<int>(formats_.size()), cursor_);
    return S_OK;
}

HRESULT CDropSource::QueryInterface(REFIID iid, void** out)
{
    return Answer(this, iid, IID_IDropSource, out);
}

ULONG CDropSource::AddRef()
{
    return static_cast<ULONG>(InterlockedIncrement(&references_));
}

ULONG CDropSource::Release()
{
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
}

HRESULT CDropSource::QueryContinueDrag(BOOL escapePressed, DWORD keyState)
{
    if (escapePressed) return DRAGDROP_S_CANCEL;
    if (!(keyState & MK_LBUTTON)) return DRAGDROP_S_DROP;
    return S_OK;
}

HRESULT CDropSource::GiveFeedback(DWORD)
{
    return DRAGDROP_S_USEDEFAULTCURSORS;
}

}  // namespace pw
