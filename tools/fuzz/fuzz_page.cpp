// The whole rendering pipeline on arbitrary bytes: the first byte picks the render flags, the rest is the note.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "render/page.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0) return 0;
    const pw::RenderFlags flags{(data[0] & 1) != 0, (data[0] & 2) != 0, (data[0] & 4) != 0};
    const pw::PageContext context{"C:\\notes\\fuzz.md", (data[0] & 8) ? "C:\\notes" : "", ""};
    std::string_view note(reinterpret_cast<const char*>(data + 1), size - 1);
    std::string page = pw::RenderPage(note, flags, context);
    if (!page.starts_with("<html>\n<head>\n") || !page.ends_with(pw::kPageTail)) __builtin_trap();
    return 0;
}
