#include "multibar/keywords.h"

#include "settings/text.h"

namespace pw {

KeywordList SplitKeywords(std::string_view value)
{
    value = value.substr(0, kMaxKeywordsValue);
    KeywordList list;
    std::size_t start = 0;
    while (start <= value.size() && list.size() < kMaxKeywords) {
        std::size_t end = value.find(',', start);
        if (end == std::string_view::npos) end = value.size();
        if (end > start) list.emplace_back(value.substr(start, std::min(end - start, kMaxKeywordLength)));
        start = end + 1;
    }
    return list;
}

std::string JoinKeywords(const KeywordList& list)
{
    std::string value;
    for (const std::string& keyword : list) {
        if (!value.empty()) value += ',';
        for (char c : keyword) value += (c == '\r' || c == '\n') ? ' ' : c;
    }
    return value;
}

bool HasKeyword(const KeywordList& list, std::string_view keyword)
{
    for (const std::string& entry : list)
        if (EqualsNoCase(entry, keyword)) return true;
    return false;
}

}  // namespace pw
