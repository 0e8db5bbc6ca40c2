#include "render/hard_breaks.h"

#include "render/wiki.h"

namespace pw {
namespace {

// "===" or "---": the first character repeated up to the last one, which is not looked at.
bool IsUnderlineOrRule(std::string_view line)
{
    if (line.empty() || (line[0] != '=' && line[0] != '-')) return false;
    return line.substr(0, line.size() - 1).find_first_not_of(line[0]) == std::string_view::npos;
}

bool IsListItem(std::string_view line)
{
    std::size_t at = line.find_first_not_of(' ');
    if (at == std::string_view::npos) return false;
    char c = line[at];
    if (c == '-' || c == '+') return true;
    return c == '*' && (at + 1 >= line.size() || line[at + 1] != '*');
}

// The next line of at most kHardBreakLineMax characters, line end included.
std::size_t NextLineLength(std::string_view text)
{
    std::size_t end = text.find('\n');
    std::size_t length = end == std::string_view::npos ? text.size() : end + 1;
    return length < kHardBreakLineMax ? length : kHardBreakLineMax;
}

}  // namespace

bool KeepsLineEnd(std::string_view line)
{
    return IsUnderlineOrRule(line) || IsListItem(line);
}

std::string MarkdownHardBreaks(std::string_view text)
{
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    while (!text.empty()) {
        std::size_t length = NextLineLength(text);
        std::string_view piece = text.substr(0, length);
        text.remove_prefix(length);
        if (KeepsLineEnd(piece)) {
            out += piece;
        } else {
            AppendWithLineBreak(out, piece, BreakStyle::Markdown);
        }
    }
    return out;
}

}  // namespace pw
