// The markup commands of the note editor as text rules: what replaces the selection when the user makes it
// bold, a page link, a header and so on. No window here: the editor's selection offsets, its text and the
// width of a text in the editor's font come in as arguments.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace pw {

// The markup commands of the editor's context menu; the values are their command ids.
enum class MarkupCommand : int {
    Bold = 29697,
    PageLink = 29698,
    Header = 29699,
    Subheader = 29700,
    WebLink = 29701,
    Italics = 29702,
    StrikeThrough = 29703,
    Line = 29704,
};
std::optional<MarkupCommand> MarkupCommandFromId(int id);

// A selection of this many characters or more takes no markup.
inline constexpr std::size_t kMarkupSelectionLimit = 1000;
// A header underline never has more characters than this.
inline constexpr std::size_t kMaxHeaderUnderline = 260;
inline constexpr int kDefaultHeaderLength = 40;  // HeaderLenInt

// How long a header underline is (HeaderBarLengthType): as wide as the text in the editor's font, as many
// characters as the selection, or HeaderLenInt characters.
enum class HeaderBarLength { TextExtent, TextLength, Fixed };
HeaderBarLength HeaderBarLengthFromSetting(std::string_view value);

struct HeaderRule {
    HeaderBarLength kind = HeaderBarLength::TextExtent;
    int fixedLength = kDefaultHeaderLength;
    // The width of a text in the editor's current font; needed for TextExtent only.
    std::function<long(std::string_view)> width;
};

// The HeaderUnderline of text: unit ("=" or "-") repeated by the rule, length being the selection's length.
std::string HeaderUnderline(std::string_view text, char unit, std::size_t length, const HeaderRule& rule);

struct TextSpan {
    std::size_t start = 0;
    std::size_t end = 0;
};
// The line that holds the caret: from just after the previous CR or LF to just before the next one (or the end).
TextSpan LineAround(std::string_view text, std::size_t caret);

struct MarkupRequest {
    MarkupCommand command = MarkupCommand::Bold;
    std::string_view text;  // the text the selection offsets index
    TextSpan selection;
    std::optional<std::string_view> clipboardText;  // for the web link
    HeaderRule header;
};

struct MarkupEdit {
    bool handled = false;
    TextSpan select;  // what the editor selects first: the selection, or the caret's line for a header
    std::optional<std::string> replacement;  // what replaces the selected span; none when nothing changes
};

// What a markup command does to the text. A selection that does not lie inside the text changes nothing.
MarkupEdit PlanMarkup(const MarkupRequest& request);

}  // namespace pw
