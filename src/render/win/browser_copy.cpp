// Copy of the page's selection: the document's own selection first, then the frames depth first (a frame of
// another domain refuses its document to the window, so its browser is asked through the service provider).
#include <mshtml.h>
#include <servprov.h>

#include <cstring>

#include "render/win/browser_host.h"
#include "render/win/browser_pane.h"
#include "render/win/wide_text.h"

namespace pw {
namespace {

// Frames inside frames are followed this deep and no deeper: a page cannot send the copy round forever.
constexpr int kMaxFrameDepth = 16;

std::string SelectedTextOf(IHTMLDocument2* document, int depth);

std::string OwnSelection(IHTMLDocument2* document)
{
    ComPtr<IHTMLSelectionObject> selection;
    if (FAILED(document->get_selection(selection.out())) || !selection) return {};
    ComPtr<IDispatch> rangeDispatch;
    if (FAILED(selection->createRange(rangeDispatch.out())) || !rangeDispatch) return {};
    ComPtr<IHTMLTxtRange> range = rangeDispatch.as<IHTMLTxtRange>(IID_IHTMLTxtRange);
    if (!range) return {};
    Bstr text;
    if (FAILED(range->get_text(text.out()))) return {};
    return NarrowText(text.get());
}

ComPtr<IHTMLDocument2> FrameDocument(IHTMLWindow2* frame)
{
    ComPtr<IHTMLDocument2> document;
    if (SUCCEEDED(frame->get_document(document.out())) && document) return document;
    ComPtr<IServiceProvider> services;
    if (FAILED(frame->QueryInterface(IID_IServiceProvider, services.outVoid())) || !services) return {};
    ComPtr<IWebBrowser2> browser;
    if (FAILED(services->QueryService(IID_IWebBrowserApp, IID_IWebBrowser2, browser.outVoid())) || !browser) return {};
    ComPtr<IDispatch> dispatch;
    if (FAILED(browser->get_Document(dispatch.out())) || !dispatch) return {};
    return dispatch.as<IHTMLDocument2>(IID_IHTMLDocument2);
}

std::string FramesSelection(IHTMLDocument2* document, int depth)
{
    ComPtr<IHTMLFramesCollection2> frames;
    if (FAILED(document->get_frames(frames.out())) || !frames) return {};
    long count = 0;
    if (FAILED(frames->get_length(&count))) return {};
    for (long i = 0; i < count; ++i) {
        VARIANT index;
        VariantInit(&index);
        index.vt = VT_I4;
        index.lVal = i;
        VARIANT item;
        VariantInit(&item);
        if (FAILED(frames->item(&index, &item))) continue;
        ComPtr<IHTMLWindow2> window;
        if (item.vt == VT_DISPATCH && item.pdispVal) item.pdispVal->QueryInterface(IID_IHTMLWindow2, window.outVoid());
        VariantClear(&item);
        if (!window) continue;
        ComPtr<IHTMLDocument2> frameDocument = FrameDocument(window.get());
        if (!frameDocument) continue;
        std::string text = SelectedTextOf(frameDocument.get(), depth + 1);
        if (!text.empty()) return text;
    }
    return {};
}

std::string SelectedTextOf(IHTMLDocument2* document, int depth)
{
    std::string text = OwnSelection(document);
    if (!text.empty() || depth >= kMaxFrameDepth) return text;
    return FramesSelection(document, depth);
}

bool PutTextOnClipboard(HWND owner, const std::string& text)
{
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    if (!memory) return false;
    void* bytes = GlobalLock(memory);
    if (!bytes) {
        GlobalFree(memory);
        return false;
    }
    std::memcpy(bytes, text.c_str(), text.size() + 1);
    GlobalUnlock(memory);
    if (!OpenClipboard(owner)) {
        GlobalFree(memory);
        return false;
    }
    EmptyClipboard();
    const bool placed = SetClipboardData(CF_TEXT, memory) != nullptr;
    CloseClipboard();
    if (!placed) GlobalFree(memory);  // the clipboard owns the block only once it took it
    return placed;
}

}  // namespace

bool CopySelection(HWND pane)
{
    ComPtr<IWebBrowser2> web = WebBrowserOf(pane);
    if (!web) return false;
    ComPtr<IDispatch> dispatch;
    if (FAILED(web->get_Document(dispatch.out())) || !dispatch) return false;
    ComPtr<IHTMLDocument2> document = dispatch.as<IHTMLDocument2>(IID_IHTMLDocument2);
    if (!document) return false;
    const std::string text = SelectedTextOf(document.get(), 0);
    if (text.empty()) return false;
    return PutTextOnClipboard(pane, text);
}

}  // namespace pw
