#include "sheet/cell_links.h"

namespace pw {
namespace {

constexpr std::string_view kWebPrefixes[] = {"http:", "https:"};

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

void Add(std::vector<CellLink>& links, std::string_view text, bool web)
{
    text = Trimmed(text);
    if (text.size() >= 2 && text.front() == '$' && text.back() == '$') text = Trimmed(text.substr(1, text.size() - 2));
    if (!text.empty()) links.push_back({std::string(text.substr(0, kCellLinkLimit)), web});
}

}  // namespace

std::vector<CellLink> CellLinks(std::string_view text)
{
    std::vector<CellLink> links;
    std::size_t pos = 0;
    while (links.size() < kMaxCellLinks && pos < text.size()) {
        const std::size_t open = text.find('[', pos);
        if (open != std::string_view::npos) {
            std::size_t start = open + 1;
            if (start < text.size() && text[start] == '[') ++start;
            const std::size_t close = text.find(']', start);
            Add(links, text.substr(start, close == std::string_view::npos ? close : close - start), false);
            pos = start;
            continue;
        }
        std::size_t best = std::string_view::npos;
        std::size_t prefixSize = 0;
        for (const std::string_view prefix : kWebPrefixes) {
            const std::size_t at = text.find(prefix, pos);
            if (at != std::string_view::npos) {
                best = at;
                prefixSize = prefix.size();
                break;
            }
        }
        if (best == std::string_view::npos) break;
        const std::size_t end = text.find(' ', best);
        Add(links, text.substr(best, end == std::string_view::npos ? end : end - best), true);
        pos = best + prefixSize + 2;
    }
    return links;
}

}  // namespace pw
