#include "install/text.h"

namespace inst {

std::string LowerAscii(std::string_view text)
{
    std::string lower(text);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

bool EqualsNoCase(std::string_view a, std::string_view b)
{
    return LowerAscii(a) == LowerAscii(b);
}

bool EndsWithNoCase(std::string_view name, std::string_view suffix)
{
    return name.size() > suffix.size() && EqualsNoCase(name.substr(name.size() - suffix.size()), suffix);
}

std::vector<std::string_view> SplitLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = text.size();
        lines.push_back(text.substr(start, end - start));
        if (end < text.size() && text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ++end;
        start = end + 1;
    }
    return lines;
}

}  // namespace inst
