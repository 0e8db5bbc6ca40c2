// libFuzzer target: the wiki converter and the HTML entity decoder and tag stripper take text from notes and
// from other programs, so any bytes must come out as some text without touching memory they do not own.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "render/entities.h"
#include "render/wiki.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string_view input(reinterpret_cast<const char*>(data), size);
    pw::WikiConvertDocument(input, false);
    pw::WikiConvertDocument(input, true);

    std::string html(input);
    std::size_t decoded = pw::DecodeEntities(html);
    if (decoded != html.size() || decoded > size) __builtin_trap();
    std::size_t steps = 0;
    auto stripped = pw::StripTags(html, [&steps] { return ++steps < 100000; });
    if (stripped && *stripped != html.size()) __builtin_trap();

    // Appending a line with its break must give what the line with its break appended gives.
    for (pw::BreakStyle style : {pw::BreakStyle::Markdown, pw::BreakStyle::Html}) {
        std::string line(input.substr(0, 2048));
        pw::AppendLineBreak(line, style);
        std::string appended = "x";
        pw::AppendWithLineBreak(appended, input.substr(0, 2048), style);
        if (appended != "x" + line) __builtin_trap();
    }
    pw::WikiLinkHref(input.substr(0, 4096));
    return 0;
}
