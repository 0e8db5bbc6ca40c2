#include "notes/markup.h"

#include <algorithm>

#include "settings/text.h"

namespace pw {
namespace {

bool IsLineEnd(char c)
{
    return c == '\r' || c == '\n';
}

// The wrapping of a selection: its opening and closing markers.
struct Wrap {
    MarkupCommand command;
    const char* open;
    const char* close;
};
constexpr Wrap kWraps[] = {
    {MarkupCommand::Bold, "**", "** "},
    {MarkupCommand::Italics, "*", "* "},
    {MarkupCommand::StrikeThrough, "~~", "~~ "},
    {MarkupCommand::PageLink, "[ ", " ] "},
};

const Wrap* WrapOf(MarkupCommand command)
{
    for (const Wrap& wrap : kWraps) {
        if (wrap.command == command) return &wrap;
    }
    return nullptr;
}

bool IsHeader(MarkupCommand command)
{
    return command == MarkupCommand::Header || command == MarkupCommand::Subheader;
}

char UnitOf(MarkupCommand command)
{
    return command == MarkupCommand::Header ? '=' : '-';
}

std::size_t Clamped(int length)
{
    return static_cast<std::size_t>(std::clamp(length, 0, static_cast<int>(kMaxHeaderUnderline)));
}

// The selection with its trailing blanks dropped; leading blanks stay.
std::string_view Trimmed(std::string_view selected)
{
    const std::size_t last = selected.find_last_not_of(' ');
    return last == std::string_view::npos ? std::string_view{} : selected.substr(0, last + 1);
}

std::optional<std::string> ReplaceSelection(const MarkupRequest& r, TextSpan span)
{
    const std::string_view text = r.text;
    const std::string_view selected = text.substr(span.start, span.end - span.start);
    const std::string trimmed(Trimmed(selected));
    const bool atStart = span.start == 0;
    const char before = atStart ? '\0' : text[span.start - 1];
    const std::string blank = (!atStart && before != ' ') ? " " : "";
    if (const Wrap* wrap = WrapOf(r.command)) return blank + wrap->open + trimmed + wrap->close;
    if (r.command == MarkupCommand::WebLink) {
        if (!r.clipboardText) return std::nullopt;  // the selection stays as it is
        return blank + "[ " + trimmed + " ](" + std::string(*r.clipboardText) + ") ";
    }
    if (IsHeader(r.command)) {
        const std::string linePrefix = (!atStart && !IsLineEnd(before)) ? "\r\n" : "";
        const bool lineEndFollows = span.end < text.size() && IsLineEnd(text[span.end]);
        const std::string lineSuffix = lineEndFollows ? "" : "\r\n";
        const std::string underline = HeaderUnderline(selected, UnitOf(r.command), selected.size(), r.header);
        return linePrefix + trimmed + "\r\n" + underline + lineSuffix;
    }
    return std::nullopt;  // a line rule replaces no selection
}

std::optional<std::string> InsertAtCaret(const MarkupRequest& r)
{
    if (IsHeader(r.command)) return std::string(Clamped(r.header.fixedLength), UnitOf(r.command));
    if (r.command == MarkupCommand::Line) return std::string("* * *\r\n");
    return std::nullopt;
}

}  // namespace

std::optional<MarkupCommand> MarkupCommandFromId(int id)
{
    if (id < static_cast<int>(MarkupCommand::Bold) || id > static_cast<int>(MarkupCommand::Line)) return std::nullopt;
    return static_cast<MarkupCommand>(id);
}

HeaderBarLength HeaderBarLengthFromSetting(std::string_view value)
{
    if (EqualsNoCase(value, "TextExtent")) return HeaderBarLength::TextExtent;
    if (EqualsNoCase(value, "TextLength")) return HeaderBarLength::TextLength;
    return HeaderBarLength::Fixed;
}

std::string HeaderUnderline(std::string_view text, char unit, std::size_t length, const HeaderRule& rule)
{
    switch (rule.kind) {
        case HeaderBarLength::TextLength:
            return std::string(std::min(length, kMaxHeaderUnderline), unit);
        case HeaderBarLength::Fixed:
            return std::string(Clamped(rule.fixedLength), unit);
        case HeaderBarLength::TextExtent:
            break;
    }
    std::string run;
    if (!rule.width) return run;
    const long wanted = rule.width(text);
    while (run.size() < kMaxHeaderUnderline && rule.width(run) < wanted) run += unit;
    return run;
}

TextSpan LineAround(std::string_view text, std::size_t caret)
{
    caret = std::min(caret, text.size());
    const std::size_t before = text.substr(0, caret).find_last_of("\r\n");
    const std::size_t start = before == std::string_view::npos ? 0 : before + 1;
    const std::size_t after = text.find_first_of("\r\n", caret);
    return {start, after == std::string_view::npos ? text.size() : after};
}

MarkupEdit PlanMarkup(const MarkupRequest& request)
{
    MarkupEdit edit;
    TextSpan span = request.selection;
    if (span.start > span.end) std::swap(span.start, span.end);
    // Offsets past the end would index text that is not there: the editor and the text disagree.
    if (span.end > request.text.size()) return edit;
    if (IsHeader(request.command) && span.start == span.end) span = LineAround(request.text, span.start);
    edit.select = span;
    const std::size_t length = span.end - span.start;
    if (length >= kMarkupSelectionLimit) return edit;
    edit.handled = true;
    edit.replacement = length == 0 ? InsertAtCaret(request) : ReplaceSelection(request, span);
    return edit;
}

}  // namespace pw
