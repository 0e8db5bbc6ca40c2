// Owners of global memory blocks, the currency of the clipboard and of drag and drop: a block is freed
// exactly once unless its ownership is handed over, and a lock is undone when its scope ends.
#pragma once

#include <windows.h>

#include <cstring>
#include <string>
#include <string_view>
#include <utility>

namespace pw {

class GlobalMemory {
public:
    GlobalMemory() = default;
    explicit GlobalMemory(HGLOBAL memory) : memory_(memory) {}
    GlobalMemory(const GlobalMemory&) = delete;
    GlobalMemory& operator=(const GlobalMemory&) = delete;
    GlobalMemory(GlobalMemory&& o) noexcept : memory_(std::exchange(o.memory_, nullptr)) {}
    GlobalMemory& operator=(GlobalMemory&& o) noexcept
    {
        if (this != &o) reset(std::exchange(o.memory_, nullptr));
        return *this;
    }
    ~GlobalMemory() { reset(); }

    HGLOBAL get() const { return memory_; }
    explicit operator bool() const { return memory_ != nullptr; }
    // Whoever takes the block (the clipboard, a storage medium's receiver) frees it from now on.
    HGLOBAL release() { return std::exchange(memory_, nullptr); }
    void reset(HGLOBAL memory = nullptr)
    {
        if (memory_) GlobalFree(memory_);
        memory_ = memory;
    }

private:
    HGLOBAL memory_ = nullptr;
};

// A global memory block, locked while this lives.
class LockedMemory {
public:
    explicit LockedMemory(HGLOBAL memory) : memory_(memory), data_(memory ? GlobalLock(memory) : nullptr) {}
    LockedMemory(const LockedMemory&) = delete;
    LockedMemory& operator=(const LockedMemory&) = delete;
    ~LockedMemory()
    {
        if (data_) GlobalUnlock(memory_);
    }
    char* data() const { return static_cast<char*>(data_); }
    std::size_t size() const { return data_ ? GlobalSize(memory_) : 0; }

private:
    HGLOBAL memory_;
    void* data_;
};

// A new block of the given kind (GMEM_MOVEABLE, GMEM_SHARE, GMEM_ZEROINIT) holding the bytes; empty when
// the system has no memory for it.
inline GlobalMemory GlobalCopyOf(std::string_view bytes, UINT flags = GMEM_MOVEABLE)
{
    GlobalMemory block(GlobalAlloc(flags, bytes.size()));
    if (!block) return block;
    LockedMemory locked(block.get());
    if (!locked.data()) return GlobalMemory();
    if (!bytes.empty()) std::memcpy(locked.data(), bytes.data(), bytes.size());
    return block;
}

// Every byte of a block (its allocated size, which may exceed what its writer meant); empty when it cannot be
// locked.
inline std::string GlobalBytes(HGLOBAL memory)
{
    LockedMemory locked(memory);
    return locked.data() ? std::string(locked.data(), locked.size()) : std::string();
}

}  // namespace pw
