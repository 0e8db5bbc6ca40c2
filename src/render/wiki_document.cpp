// The document loop: the note is taken in pieces of at most kMaxLine characters (a longer line arrives as
// several pieces, each treated as a line of its own) and every piece goes through the line pipeline.
#include "render/wiki.h"
#include "render/wiki_engine.h"

#include <algorithm>
#include <new>

namespace pw {
namespace {

constexpr std::string_view kBreakTag = "<br/>";

bool EndsWithLineEnd(std::string_view line)
{
    return !line.empty() && (line.back() == '\n' || line.back() == '\r');
}

// What a line gets in place of its line end: nothing when it already ends with a break after some text.
std::string_view BreakAfter(std::string_view body, BreakStyle style)
{
    if (body.size() > kBreakTag.size() && body.ends_with(kBreakTag)) return {};
    return style == BreakStyle::Html ? "<br/>\n" : "  \n";
}

// The next piece: up to and including the next line feed, at most kMaxLine characters. The search for the line
// feed looks no further than the piece can reach, so a huge line costs linear time.
std::string_view NextPiece(std::string_view input, std::size_t at)
{
    std::string_view window = input.substr(at, wiki::kMaxLine);
    std::size_t lineFeed = window.find('\n');
    return lineFeed == std::string_view::npos ? window : window.substr(0, lineFeed + 1);
}

std::string ConvertPieces(std::string_view input, bool addLineBreaks)
{
    std::string out;
    // Links and tags make a converted note longer than its text, often by half; memory reserved beyond what is
    // written is never touched.
    out.reserve(input.size() * 2);
    wiki::DocumentState state;
    wiki::LineWork work;
    // Every rewrite is cut to kMaxLine: reserved once per note, the buffers seldom grow again.
    work.text.reserve(wiki::kMaxLine + wiki::kMaxField);
    work.scratch.reserve(wiki::kMaxLine + wiki::kMaxField);
    work.href.reserve(wiki::kMaxField + wiki::kMaxField);
    for (std::size_t at = 0; at < input.size();) {
        std::string_view piece = NextPiece(input, at);
        at += piece.size();
        if (wiki::ConvertLine(piece, state, work, out)) continue;
        if (addLineBreaks) {
            AppendWithLineBreak(out, piece, BreakStyle::Html);
        } else {
            out += piece;
        }
    }
    // A table or block still open at the end of the text gets no closing tag.
    return out;
}

}  // namespace

void AppendLineBreak(std::string& line, BreakStyle style)
{
    if (!EndsWithLineEnd(line)) return;
    line.pop_back();
    line += BreakAfter(line, style);
}

// Most lines are written unchanged but for their line end, and copying each of them first would cost an
// allocation per line.
void AppendWithLineBreak(std::string& out, std::string_view line, BreakStyle style)
{
    if (!EndsWithLineEnd(line)) {
        out += line;
        return;
    }
    line.remove_suffix(1);
    out += line;
    out += BreakAfter(line, style);
}

std::string WikiConvertDocument(std::string_view input, bool addLineBreaks)
{
    // Without memory for the result the note is shown unconverted, as when no output could be made.
    try {
        return ConvertPieces(input, addLineBreaks);
    } catch (const std::bad_alloc&) {
        try {
            return std::string(input);
        } catch (const std::bad_alloc&) {
            return {};
        }
    }
}

}  // namespace pw
