#include "library/image_links.h"

#include "settings/limits.h"
#include "settings/text.h"

namespace pw {

bool MayLinkImages(std::string_view fileName)
{
    for (std::string_view ext : {".png", ".bmp", ".jpg", ".zip"}) {
        if (EndsWithNoCase(fileName, ext)) return false;
    }
    return true;
}

bool IsLinkInsideFolder(std::string_view link)
{
    if (link.empty() || link.size() > kMaxText) return false;
    if (link.front() == '\\' || link.find(':') != std::string_view::npos) return false;
    for (char c : link) {
        if (static_cast<unsigned char>(c) < 0x20) return false;
    }
    std::size_t start = 0;
    while (start <= link.size()) {
        std::size_t end = link.find('\\', start);
        if (end == std::string_view::npos) end = link.size();
        // Windows drops trailing dots and blanks of a component, so "..", ". ." and "... " all climb or stay.
        const std::string_view part = link.substr(start, end - start);
        if (!part.empty() && part.find_first_not_of(". ") == std::string_view::npos) return false;
        start = end + 1;
    }
    return true;
}

std::vector<std::string> CollectImageLinks(std::string_view text)
{
    std::vector<std::string> links;
    std::size_t from = 0;
    while (links.size() < kMaxImageLinks) {
        const std::size_t bang = text.find("![", from);
        if (bang == std::string_view::npos) break;
        const std::size_t open = text.find("](", bang + 2);
        if (open == std::string_view::npos) break;
        const std::size_t close = text.find(')', open + 2);
        if (close == std::string_view::npos) break;
        std::string link(text.substr(open + 2, close - open - 2));
        while (!link.empty() && link.back() == ' ') link.pop_back();
        for (char& c : link) {
            if (c == '/') c = '\\';
        }
        if (IsLinkInsideFolder(link)) links.push_back(std::move(link));
        from = close + 1;
    }
    return links;
}

}  // namespace pw
