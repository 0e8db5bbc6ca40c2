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

void CutToLine(std::string& line)
{
    if (line.size() > kMaxLine) line.resize(kMaxLine);
}

std::string Anchor(std::string_view href, std::string_view label)
{
    // Note links carry a class so that the style sheet can tell them apart from web links.
    const bool noteLink = href.find("fw:") != std::string_view::npos;
    std::string anchor;
    anchor.reserve(href.size() + label.size() + 40);
    anchor += "<a ";
    if (noteLink) anchor += "class='fwClass' ";
    anchor += "href=\"";
    AppendAttributeValue(anchor, href, '"');
    anchor += "\">";
    anchor += label;
    anchor += "</a>";
    return anchor;
}

}  // namespace pw::wiki
