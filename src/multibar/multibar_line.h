// What a line typed into the Multibar asks for. A short prefix decides: a web address or web search, "?d"
// (search the folder), "?k" (find a keyword), "?" (search the shown document), "kw" (add a keyword); anything
// else is the name of a file to open or create. Prefix letters are compared without regard to case.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace pw {

// The web search address a "???" line's query is appended to, unless BrowserSearchString names another.
inline constexpr std::string_view kDefaultBrowserSearchString = "http://www.bing.com/search?q=";
// The service the default address belongs to, as the Multibar's menu names it.
inline constexpr std::string_view kWebSearchServiceName = "Bing";
// The longest web search query: longer text is cut where the next character would not fit.
inline constexpr std::size_t kMaxWebQuery = 260;

enum class MultibarAction {
    Nothing,         // empty line, or "?" over a pane that has no search
    Browse,          // a web address or "???" web search
    FolderSearch,    // "?d": a new folder search
    KeywordSearch,   // "?k": a new keyword search
    DocumentSearch,  // "?" over the text pane
    CellSearch,      // "?" over the spreadsheet pane
    AddKeyword,      // "kw"
    Name,            // open the file of that name, or create it
};

// The search mode Find Next continues; Unchanged where the line leaves it as it was.
enum class SearchMode { Unchanged = -1, None = 0, Document = 1, Folder = 2, Keyword = 3 };

// What the document pane shows when the line runs.
enum class ShownPane { Text, Web, Sheet };

struct MultibarRun {
    MultibarAction action = MultibarAction::Nothing;
    std::string argument;  // the term, keyword, address or name
    SearchMode mode = SearchMode::Unchanged;
};

// webAllowed is false for Ctrl+Enter: a line such as "www.x" is then a name.
MultibarRun InterpretMultibarLine(std::string_view text, bool webAllowed, ShownPane pane);

// The search term of a line: the text after the prefix, leading spaces removed, at most 259 characters.
std::string SearchTermAfter(std::string_view text, std::size_t prefixLength);
// A "kw" line's keyword: everything after its third character, at most 259 characters.
std::string KeywordOfLine(std::string_view text);
// Find Next takes its term from the Multibar again: without "?d" or "?k", else without the first character.
std::string FindNextTerm(std::string_view text);

// The query of a "???" line: the text after its first three characters with a blank as "+" and "+" as "%2B",
// at most kMaxWebQuery characters.
std::string WebSearchQuery(std::string_view text);
// The search address followed by the query; empty when the query is.
std::string WebSearchUrl(std::string_view text, std::string_view searchString);

}  // namespace pw
