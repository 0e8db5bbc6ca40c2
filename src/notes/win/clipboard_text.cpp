#include "notes/win/clipboard_text.h"

#include <cstring>

#include "settings/win/global_memory.h"
#include "settings/win/messages.h"

namespace pw {
namespace {

// The clipboard, open while this lives.
class OpenedClipboard {
public:
    explicit OpenedClipboard(HWND owner) : open_(OpenClipboard(owner) != FALSE) {}
    OpenedClipboard(const OpenedClipboard&) = delete;
    OpenedClipboard& operator=(const OpenedClipboard&) = delete;
    ~OpenedClipboard()
    {
        if (open_) CloseClipboard();
    }
    bool open() const { return open_; }

private:
    bool open_;
};

ClipboardText Failure(const char* what)
{
    ClipboardText result;
    result.failure = std::string(what) + LastErrorText();
    return result;
}

}  // namespace

bool ClipboardHoldsText()
{
    return IsClipboardFormatAvailable(CF_TEXT) != FALSE;
}

bool ClipboardHoldsBitmap()
{
    return IsClipboardFormatAvailable(CF_BITMAP) || IsClipboardFormatAvailable(CF_DIB);
}

ClipboardText ReadClipboardText(HWND owner, std::size_t maxLength, const std::function<HANDLE(UINT)>& getData)
{
    OpenedClipboard clipboard(owner);
    if (!clipboard.open()) return Failure("Failed to open clipboard: ");
    HANDLE data = getData ? getData(CF_TEXT) : GetClipboardData(CF_TEXT);
    if (!data) return Failure("Failed to get clipboarddata: ");
    LockedMemory memory(data);
    if (!memory.data()) return Failure("Failed to get globallock: ");
    // The text ends at its zero, or at the end of the block when another program left none.
    const std::size_t size = GlobalSize(data);
    const void* zero = std::memchr(memory.data(), '\0', size);
    const std::size_t length = zero ? static_cast<std::size_t>(static_cast<const char*>(zero) - memory.data()) : size;
    ClipboardText result;
    result.ok = length <= maxLength;
    result.tooLong = !result.ok;
    if (result.ok) result.text.assign(memory.data(), length);
    return result;
}

}  // namespace pw
