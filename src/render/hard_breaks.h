// The Markdown pre-step that keeps the note's line structure: every single line end becomes a Markdown hard
// break, so two plain lines show as two lines instead of running into one paragraph line.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace pw {

// Lines are taken in pieces of at most this many characters; each piece is treated as a line of its own.
inline constexpr std::size_t kHardBreakLineMax = 4095;

// Setext underlines and rules ("===", "---") and list items ("-", "+", "* " after leading spaces) keep their
// line ends, because a hard break would change what they mean. Every other line gets the Markdown line break.
std::string MarkdownHardBreaks(std::string_view text);

// Whether one line (with its line end) is kept as it is.
bool KeepsLineEnd(std::string_view line);

}  // namespace pw
