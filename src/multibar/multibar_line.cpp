#include "multibar/multibar_line.h"

#include "render/wiki.h"
#include "settings/limits.h"
#include "settings/text.h"

namespace pw {
namespace {

MultibarRun Search(MultibarAction action, std::string_view text, std::size_t prefixLength, SearchMode mode)
{
    return {action, SearchTermAfter(text, prefixLength), mode};
}

MultibarRun DocumentSearchFor(std::string_view text, ShownPane pane)
{
    switch (pane) {
        case ShownPane::Text:
            return Search(MultibarAction::DocumentSearch, text, 1, SearchMode::Document);
        case ShownPane::Sheet:
            return Search(MultibarAction::CellSearch, text, 1, SearchMode::Document);
        case ShownPane::Web:
            break;
    }
    return Search(MultibarAction::Nothing, text, 1, SearchMode::Document);
}

}  // namespace

MultibarRun InterpretMultibarLine(std::string_view text, bool webAllowed, ShownPane pane)
{
    if (text.empty()) return {};
    if (webAllowed && IsWebAddress(text)) return {MultibarAction::Browse, std::string(text), SearchMode::Unchanged};
    if (StartsWithNoCase(text, "?d")) return Search(MultibarAction::FolderSearch, text, 2, SearchMode::Folder);
    if (StartsWithNoCase(text, "?k")) return Search(MultibarAction::KeywordSearch, text, 2, SearchMode::Keyword);
    if (text.front() == '?') return DocumentSearchFor(text, pane);
    if (StartsWithNoCase(text, "kw")) return {MultibarAction::AddKeyword, KeywordOfLine(text), SearchMode::Unchanged};
    return {MultibarAction::Name, Cut(text), SearchMode::None};
}

std::string SearchTermAfter(std::string_view text, std::size_t prefixLength)
{
    std::string_view rest = text.substr(std::min(prefixLength, text.size()));
    while (!rest.empty() && rest.front() == ' ') rest.remove_prefix(1);
    return Cut(rest);
}

std::string KeywordOfLine(std::string_view text)
{
    return Cut(text.substr(std::min<std::size_t>(3, text.size())));
}

std::string FindNextTerm(std::string_view text)
{
    const bool twoLetters = StartsWithNoCase(text, "?d") || StartsWithNoCase(text, "?k");
    return SearchTermAfter(text, twoLetters ? 2 : 1);
}

std::string WebSearchQuery(std::string_view text)
{
    std::string query;
    for (char c : text.substr(std::min<std::size_t>(3, text.size()))) {
        const std::string_view piece = c == ' ' ? "+" : c == '+' ? "%2B" : std::string_view(&c, 1);
        if (query.size() + piece.size() > kMaxWebQuery) break;
        query += piece;
    }
    return query;
}

std::string WebSearchUrl(std::string_view text, std::string_view searchString)
{
    const std::string query = WebSearchQuery(text);
    if (query.empty()) return {};
    return std::string(searchString) + query;
}

}  // namespace pw
