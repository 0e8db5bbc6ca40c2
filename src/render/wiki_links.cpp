// Link passes: "[[target][label]]", "[Note Name]" and bare web addresses, and the href a target gets.
#include "render/wiki.h"
#include "render/wiki_engine.h"

#include <algorithm>

namespace pw {
namespace {

constexpr std::size_t kMaxTarget = 1023;

// A note name becomes an fw: address; its spaces are written as "%20" while the name still fits.
std::string NoteHref(std::string_view name)
{
    constexpr std::string_view kScheme = "fw:";
    std::string href(kScheme);
    href.reserve(kScheme.size() + wiki::kMaxField);
    href += name.substr(0, wiki::kMaxField);
    for (std::size_t i = kScheme.size(); i < href.size(); ++i) {
        if (href[i] != ' ') continue;
        if (href.size() - kScheme.size() + 2 > wiki::kMaxField) break;
        href.replace(i, 1, "%20");
        i += 2;
    }
    return href;
}

}  // namespace

bool IsWebAddress(std::string_view text)
{
    for (const char* prefix : kUrlPrefixList) {
        if (wiki::StartsWithNoCase(text, prefix)) return true;
    }
    return false;
}

std::string WikiLinkHref(std::string_view target)
{
    std::string_view copy = target.substr(0, kMaxTarget);
    std::string_view trimmed = wiki::TrimBlankView(copy);
    if (IsWebAddress(trimmed) || wiki::StartsWithNoCase(trimmed, "file:") || wiki::StartsWithNoCase(trimmed, "#")) {
        return std::string(copy.substr(0, wiki::kMaxField));
    }
    return NoteHref(trimmed);
}

}  // namespace pw

namespace pw::wiki {
namespace {

constexpr auto npos = std::string::npos;

// "[" followed by one of these starts another construct (image, block, double link, table block).
constexpr std::string_view kNotLinkAfterOpen = "$<[{|";
// "]" followed by one of these is Markdown's: inline link, reference definition, reference link.
constexpr std::string_view kMarkdownAfterClose = "(:[";

bool IsOneOf(std::string_view line, std::size_t at, std::string_view set)
{
    return at < line.size() && set.find(line[at]) != npos;
}

bool LinkBracket(std::string& line, std::size_t open)
{
    if (IsOneOf(line, open + 1, kNotLinkAfterOpen)) return false;
    std::size_t close = line.find(']', open + 1);
    if (close == npos || IsOneOf(line, close + 1, kMarkdownAfterClose)) return false;
    std::string_view label = std::string_view(line).substr(open + 1, close - open - 1);
    std::string anchor = Anchor(WikiLinkHref(label), TrimBlankView(label).substr(0, kMaxField));
    Rewrite(line, open, close + 1 - open, anchor);
    return true;
}

// The first "http:" of the line, else its first "https:", found in one walk over the "http"s.
std::size_t FindBareAddress(std::string_view line)
{
    std::size_t secure = npos;
    for (std::size_t at = line.find("http"); at != npos; at = line.find("http", at + 1)) {
        std::string_view rest = line.substr(at + 4);
        if (rest.starts_with(':')) return at;
        if (secure == npos && rest.starts_with("s:")) secure = at;
    }
    return secure;
}

// Only the first address of a line is linked: once linked, it stands after `="` and stops the search.
bool LinkBareAddress(std::string& line)
{
    std::size_t at = FindBareAddress(line);
    if (at == npos) return false;
    if ((at >= 2 && line[at - 2] == '=') || (at >= 1 && line[at - 1] == '>')) return false;
    std::size_t end = line.find(' ', at);
    if (end == npos) end = line.find('\n', at);
    if (end == npos) return false;
    std::string_view address = std::string_view(line).substr(at, std::min(end - at, kMaxField));
    // An address that ends the line takes the line end's place.
    std::string anchor = Anchor(WikiLinkHref(address), address);
    anchor += end + 1 < line.size() ? " " : "<br />";
    Rewrite(line, at, end + 1 - at, anchor);
    return true;
}

}  // namespace

bool DoubleLinkPass(LineWork& work)
{
    std::string& line = work.text;
    std::size_t open = line.find("[[");
    if (open == npos) return false;
    std::size_t middle = line.find("][", open + 2);
    if (middle == npos) return false;
    std::size_t close = line.find("]]", middle + 2);
    if (close == npos) return false;
    std::string_view target = std::string_view(line).substr(open + 2, middle - open - 2);
    std::string_view label = TrimBlankView(std::string_view(line).substr(middle + 2, close - middle - 2));
    std::string anchor = Anchor(WikiLinkHref(target), label);
    Rewrite(line, open, close + 2 - open, anchor);
    return true;
}

bool SingleLinkPass(LineWork& work)
{
    std::string& line = work.text;
    // A bracket escaped by a backslash keeps the backslash; bare addresses are looked for only when the line's
    // first bracket is escaped or there is none.
    std::size_t open = line.find('[');
    if (open != npos && !(open > 0 && line[open - 1] == '\\')) return LinkBracket(line, open);
    return LinkBareAddress(line);
}

}  // namespace pw::wiki
