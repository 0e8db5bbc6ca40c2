// Reading text from the clipboard, bounded: never more than the caller can use, and never past the end of
// the clipboard's memory block, which need not hold a terminating zero.
#pragma once

#include <windows.h>

#include <cstddef>
#include <functional>
#include <string>

namespace pw {

bool ClipboardHoldsText();
bool ClipboardHoldsBitmap();

struct ClipboardText {
    bool ok = false;
    bool tooLong = false;  // the text has more than the most asked for; text is then empty
    std::string text;
    std::string failure;  // the status message when not ok and not too long
};

// The clipboard's text of at most maxLength characters. Failures read "Failed to open clipboard: %s",
// "Failed to get clipboarddata: %s" or "Failed to get globallock: %s" with the system's error text.
// getData stands in for GetClipboardData when set (a test seam).
ClipboardText ReadClipboardText(HWND owner, std::size_t maxLength,
                                const std::function<HANDLE(UINT)>& getData = nullptr);

}  // namespace pw
