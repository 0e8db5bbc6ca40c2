// The panes that take drops: the file pane (folder target) and the note edit panes (note target). A drop
// target accepts a drag that offers, as global memory, a bitmap (CF_DIB), the registered "text/html" format,
// a file list (CF_HDROP) or plain text (CF_TEXT), and hands the drop to the handler the shell gave it.
#pragma once

#include <windows.h>
#include <ole2.h>

namespace pw {

enum class DropTargetKind { Folder = 1, Note = 2 };

// What the shell does with an accepted drop; it runs between the wait cursor and the old one.
using DropHandler = void (*)(DropTargetKind kind, IDataObject* data);

class CDropTarget final : public IDropTarget {
public:
    CDropTarget(HWND window, DropTargetKind kind, DropHandler handler);

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragOver(DWORD keyState, POINTL point, DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragLeave() override;
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) override;

    HWND window() const { return window_; }

private:
    ~CDropTarget() = default;

    LONG references_ = 1;
    HWND window_;
    bool accepted_ = false;
    DropTargetKind kind_;
    DropHandler handler_;
};

// The registered "text/html" clipboard format (the same number every time).
CLIPFORMAT HtmlClipboardFormat();
// Whether the data offers the format as global memory, content aspect, index -1.
bool OffersGlobal(IDataObject* data, CLIPFORMAT format);

// Creates a target for the window, locks it against external release and registers it; null when the
// system refuses (the pane then takes no drops). revokeDropTarget undoes all three.
CDropTarget* registerDropTarget(HWND window, DropTargetKind kind, DropHandler handler);
void revokeDropTarget(HWND window, CDropTarget* target);

}  // namespace pw
