// Text helpers of the wiki converter.
#include "render/wiki_engine.h"

#include "render/html_attribute.h"

#include <algorithm>

namespace pw::wiki {

std::string CutText(std::string_view text, std::size_t max)
{
    return std::string(text.substr(0, max));
}

std::string TrimBlanks(std::string_view text)
{
    return std::string(TrimBlankView(text));
}

std::string_view TrimBlankView(std::string_view text)
{
    std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    std::size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix)
{
    if (text.size() < prefix.size()) return false;
    return std::equal(prefix.begin(), prefix.end(), text.begin(),
                      [](char a, char b) { return FoldAscii(a) == FoldAscii(b); });
}

void Rewrite(std::string& line, std::size_t pos, std::size_t count, std::string_view with)
{
    line.replace(pos, count, with);
    CutToLine(line);
}

void Rewrite(LineWork& work, std::size_t pos, std::size_t count, std::string_view with)
{
    work.marks.Add(with);
    Rewrite(work.text, pos, count, with);
}

void CutToLine(std::string& line)
{
    if (line.size() > kMaxLine) line.resize(kMaxLine);
}

void RewriteAsAnchor(LineWork& work, std::size_t pos, std::size_t count, std::string_view label, std::string_view tail)
{
    const std::string_view line = work.text;
    const std::string_view href = work.href;
    std::string& out = work.scratch;
    out.clear();
    out += line.substr(0, pos);
    const std::size_t anchorAt = out.size();
    // Note links carry a class so that the style sheet can tell them apart from web links.
    out += "<a ";
    if (href.find("fw:") != std::string_view::npos) out += "class='fwClass' ";
    out += "href=\"";
    AppendAttributeValue(out, href, '"');
    out += "\">";
    out += label;
    out += "</a>";
    out += tail;
    work.marks.Add(std::string_view(out).substr(anchorAt));
    out += line.substr(pos + count);
    CutToLine(out);
    work.text.swap(out);
}

}  // namespace pw::wiki
