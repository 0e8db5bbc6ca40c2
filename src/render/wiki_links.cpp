// Link passes: "[[target][label]]", "[Note Name]" and bare web addresses, and the href a target gets.
#include "render/wiki.h"
#include "render/wiki_engine.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace pw {
namespace {

constexpr std::size_t kMaxTarget = 1023;

// A note name becomes an fw: address; its spaces are written as "%20" while the name still fits: once one no
// longer fits, it and all later spaces stay.
void AppendNoteHref(std::string& out, std::string_view name)
{
    constexpr std::string_view kScheme = "fw:";
    name = name.substr(0, wiki::kMaxField);
    out += kScheme;
    std::size_t length = name.size();
    for (std::size_t space = name.find(' '); space != std::string_view::npos && length + 2 <= wiki::kMaxField;
         space = name.find(' ')) {
        out += name.substr(0, space);
        out += "%20";
        length += 2;
        name.remove_prefix(space + 1);
    }
    out += name;
}

}  // namespace

bool IsWebAddress(std::string_view text)
{
    // Made once, as every link asks.
    static const std::array<std::string_view, std::size(kUrlPrefixList)> prefixes = [] {
        std::array<std::string_view, std::size(kUrlPrefixList)> views;
        std::copy(std::begin(kUrlPrefixList), std::end(kUrlPrefixList), views.begin());
        return views;
    }();
    for (std::string_view prefix : prefixes) {
        if (wiki::StartsWithNoCase(text, prefix)) return true;
    }
    return false;
}

std::string WikiLinkHref(std::string_view target)
{
    std::string href;
    wiki::AppendLinkHref(href, target);
    return href;
}

void wiki::AppendLinkHref(std::string& out, std::string_view target)
{
    std::string_view copy = target.substr(0, kMaxTarget);
    std::string_view trimmed = wiki::TrimBlankView(copy);
    if (IsWebAddress(trimmed) || wiki::StartsWithNoCase(trimmed, "file:") || wiki::StartsWithNoCase(trimmed, "#")) {
        out += copy.substr(0, wiki::kMaxField);
    } else {
        AppendNoteHref(out, trimmed);
    }
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

// The link's text from pos to pos + count becomes the anchor, followed by tail.
void LinkText(LineWork& work, std::size_t pos, std::size_t count, std::string_view target, std::string_view label,
              std::string_view tail = {})
{
    work.href.clear();
    AppendLinkHref(work.href, target);
    RewriteAsAnchor(work, pos, count, label, tail);
}

bool LinkBracket(LineWork& work, std::size_t open)
{
    const std::string& line = work.text;
    if (IsOneOf(line, open + 1, kNotLinkAfterOpen)) return false;
    std::size_t close = line.find(']', open + 1);
    if (close == npos || IsOneOf(line, close + 1, kMarkdownAfterClose)) return false;
    std::string_view label = std::string_view(line).substr(open + 1, close - open - 1);
    LinkText(work, open, close + 1 - open, label, TrimBlankView(label).substr(0, kMaxField));
    return true;
}

// The first "http:" of the line, else its first "https:", found in one walk over the colons, which are rarer
// than the letters.
std::size_t FindBareAddress(std::string_view line)
{
    constexpr std::string_view kHttp = "http";
    constexpr std::string_view kHttps = "https";
    std::size_t secure = npos;
    for (std::size_t colon = line.find(':'); colon != npos; colon = line.find(':', colon + 1)) {
        std::string_view before = line.substr(0, colon);
        if (before.ends_with(kHttp)) return colon - kHttp.size();
        if (secure == npos && before.ends_with(kHttps)) secure = colon - kHttps.size();
    }
    return secure;
}

// Only the first address of a line is linked: once linked, it stands after `="` and stops the search.
bool LinkBareAddress(LineWork& work)
{
    const std::string& line = work.text;
    std::size_t at = FindBareAddress(line);
    if (at == npos) return false;
    if ((at >= 2 && line[at - 2] == '=') || (at >= 1 && line[at - 1] == '>')) return false;
    std::size_t end = line.find(' ', at);
    if (end == npos) end = line.find('\n', at);
    if (end == npos) return false;
    std::string_view address = std::string_view(line).substr(at, std::min(end - at, kMaxField));
    // An address that ends the line takes the line end's place.
    LinkText(work, at, end + 1 - at, address, address, end + 1 < line.size() ? " " : "<br />");
    return true;
}

}  // namespace

bool DoubleLinkPass(LineWork& work)
{
    if (!work.marks.Has('[')) return false;
    std::string& line = work.text;
    std::size_t open = line.find(std::string_view("[["));
    if (open == npos) return false;
    std::size_t middle = line.find(std::string_view("]["), open + 2);
    if (middle == npos) return false;
    std::size_t close = line.find(std::string_view("]]"), middle + 2);
    if (close == npos) return false;
    std::string_view target = std::string_view(line).substr(open + 2, middle - open - 2);
    std::string_view label = TrimBlankView(std::string_view(line).substr(middle + 2, close - middle - 2));
    LinkText(work, open, close + 2 - open, target, label);
    return true;
}

bool SingleLinkPass(LineWork& work)
{
    // Without a "[" only a bare address can be linked, and it needs its ":".
    if (!work.marks.Has('[') && !work.marks.Has(':')) return false;
    std::string& line = work.text;
    // A bracket escaped by a backslash keeps the backslash; bare addresses are looked for only when the line's
    // first bracket is escaped or there is none.
    std::size_t open = line.find('[');
    if (open != npos && !(open > 0 && line[open - 1] == '\\')) return LinkBracket(work, open);
    return LinkBareAddress(work);
}

}  // namespace pw::wiki
