// Owners for what the program takes from the system: each closes or frees its resource exactly once.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <utility>

namespace pw {

// A kernel handle (file, process); INVALID_HANDLE_VALUE and null both mean "none".
class Handle {
public:
    Handle() = default;
    explicit Handle(HANDLE h) : h_(h) {}
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    Handle(Handle&& o) noexcept : h_(std::exchange(o.h_, nullptr)) {}
    Handle& operator=(Handle&& o) noexcept
    {
        if (this != &o) reset(std::exchange(o.h_, nullptr));
        return *this;
    }
    ~Handle() { reset(); }

    HANDLE get() const { return h_; }
    bool valid() const { return h_ != nullptr && h_ != INVALID_HANDLE_VALUE; }
    void reset(HANDLE h = nullptr)
    {
        if (valid()) CloseHandle(h_);
        h_ = h;
    }

private:
    HANDLE h_ = nullptr;
};

// A FindFirstFile search.
class FindHandle {
public:
    explicit FindHandle(HANDLE h) : h_(h) {}
    FindHandle(const FindHandle&) = delete;
    FindHandle& operator=(const FindHandle&) = delete;
    ~FindHandle()
    {
        if (valid()) FindClose(h_);
    }
    HANDLE get() const { return h_; }
    bool valid() const { return h_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE h_;
};

// A GDI object (font, brush, bitmap).
template <typename T>
class GdiObject {
public:
    GdiObject() = default;
    explicit GdiObject(T obj) : obj_(obj) {}
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    ~GdiObject() { reset(); }
    T get() const { return obj_; }
    void reset(T obj = nullptr)
    {
        if (obj_) DeleteObject(obj_);
        obj_ = obj;
    }

private:
    T obj_ = nullptr;
};

// Owners of the other handles the main window takes: each destroys its handle with its own call, once.
template <typename T, auto Destroy>
class OwnedHandle {
public:
    OwnedHandle() = default;
    explicit OwnedHandle(T h) : h_(h) {}
    OwnedHandle(const OwnedHandle&) = delete;
    OwnedHandle& operator=(const OwnedHandle&) = delete;
    ~OwnedHandle() { reset(); }
    T get() const { return h_; }
    explicit operator bool() const { return h_ != nullptr; }
    void reset(T h = nullptr)
    {
        if (h_) Destroy(h_);
        h_ = h;
    }

private:
    T h_ = nullptr;
};

// A cursor loaded without LR_SHARED (shared cursors belong to the system and are never destroyed).
using CursorHandle = OwnedHandle<HCURSOR, DestroyCursor>;
// An image list a control uses but does not own (LVS_SHAREIMAGELISTS, toolbars).
using ImageListHandle = OwnedHandle<HIMAGELIST, ImageList_Destroy>;
using AcceleratorHandle = OwnedHandle<HACCEL, DestroyAcceleratorTable>;
// An icon loaded without LR_SHARED.
using IconHandle = OwnedHandle<HICON, DestroyIcon>;

// A window's device context for drawing outside WM_PAINT.
class WindowDC {
public:
    explicit WindowDC(HWND window) : window_(window), dc_(GetDC(window)) {}
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    ~WindowDC()
    {
        if (dc_) ReleaseDC(window_, dc_);
    }
    HDC get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// A top-level window; destroying it destroys its child windows with it.
class WindowHandle {
public:
    WindowHandle() = default;
    WindowHandle(const WindowHandle&) = delete;
    WindowHandle& operator=(const WindowHandle&) = delete;
    ~WindowHandle() { reset(); }
    HWND get() const { return h_; }
    void reset(HWND h = nullptr)
    {
        if (h_ && IsWindow(h_)) DestroyWindow(h_);
        h_ = h;
    }

private:
    HWND h_ = nullptr;
};

// A menu that is not attached to a window.
class MenuHandle {
public:
    explicit MenuHandle(HMENU m) : m_(m) {}
    MenuHandle(const MenuHandle&) = delete;
    MenuHandle& operator=(const MenuHandle&) = delete;
    ~MenuHandle()
    {
        if (m_) DestroyMenu(m_);
    }
    HMENU get() const { return m_; }

private:
    HMENU m_;
};

}  // namespace pw
