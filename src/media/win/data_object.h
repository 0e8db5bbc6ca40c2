// The objects of the system's drag and drop (OLE) that a drag out of the file pane hands to other programs:
// the data, the enumeration of its formats and the source that follows the mouse and Escape. Each counts its
// references from 1 and deletes itself when the last one goes.
#pragma once

#include <windows.h>
#include <ole2.h>

#include <vector>

namespace pw {

class CDataObject final : public IDataObject {
public:
    // Takes over the media (their memory is freed with the object); formats and media pair up by index.
    CDataObject(const FORMATETC* formats, const STGMEDIUM* media, int count);

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override;
    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC* format, STGMEDIUM* medium) override;
    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override;
    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC* in, FORMATETC* out) override;
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC* format, STGMEDIUM* medium, BOOL release) override;
    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD direction, IEnumFORMATETC** out) override;
    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC* format, DWORD flags, IAdviseSink* sink, DWORD* connection) override;
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD connection) override;
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA** out) override;

private:
    ~CDataObject();
    int Find(const FORMATETC& format) const;

    LONG references_ = 1;
    std::vector<FORMATETC> formats_;
    std::vector<STGMEDIUM> media_;
};

class CEnumFormatEtc final : public IEnumFORMATETC {
public:
    // Copies the formats, and each target device record into the task allocator's memory.
    CEnumFormatEtc(const FORMATETC* formats, int count, ULONG cursor = 0);

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE Next(ULONG count, FORMATETC* out, ULONG* fetched) override;
    HRESULT STDMETHODCALLTYPE Skip(ULONG count) override;
    HRESULT STDMETHODCALLTYPE Reset() override;
    HRESULT STDMETHODCALLTYPE Clone(IEnumFORMATETC** out) override;

private:
    ~CEnumFormatEtc();

    LONG references_ = 1;
    ULONG cursor_ = 0;
    std::vector<FORMATETC> formats_;
};

class CDropSource final : public IDropSource {
public:
    CDropSource() = default;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escapePressed, DWORD keyState) override;
    HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD effect) override;

private:
    ~CDropSource() = default;

    LONG references_ = 1;
};

}  // namespace pw
