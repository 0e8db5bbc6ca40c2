// An owner of one COM interface pointer: released exactly once, never copied by accident.
#pragma once

#include <unknwn.h>

#include <utility>

namespace pw {

template <typename T>
class ComPtr {
public:
    ComPtr() = default;
    explicit ComPtr(T* p) : p_(p) {}  // takes over a reference the caller owns
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ComPtr(ComPtr&& o) noexcept : p_(std::exchange(o.p_, nullptr)) {}
    ComPtr& operator=(ComPtr&& o) noexcept
    {
        if (this != &o) reset(std::exchange(o.p_, nullptr));
        return *this;
    }
    ~ComPtr() { reset(); }

    T* get() const { return p_; }
    T* operator->() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }
    void reset(T* p = nullptr)
    {
        if (p_) p_->Release();
        p_ = p;
    }
    // For calls that hand out a new reference: the old one is released first.
    T** out()
    {
        reset();
        return &p_;
    }
    void** outVoid() { return reinterpret_cast<void**>(out()); }

    // The same object through another interface; empty when it does not offer one.
    template <typename U>
    ComPtr<U> as(REFIID iid) const
    {
        ComPtr<U> other;
        if (p_) p_->QueryInterface(iid, other.outVoid());
        return other;
    }

private:
    T* p_ = nullptr;
};

}  // namespace pw
