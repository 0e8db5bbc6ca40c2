// Markdown to HTML through sundown: strikethrough is the only extension, blocks nest at most 16 deep, and the
// HTML renderer runs without flags (raw HTML passes through, "<br>" and "<hr>" without the XHTML slash).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace pw {

// sundown's buffers refuse to grow past 16 MB and drop what does not fit without telling anyone. A note
// larger than this is therefore rendered in pieces of at most this many bytes, cut at paragraph breaks where
// possible: no piece can come near the cap, so no text is ever lost. (Reference-style link definitions only
// reach links in their own piece; notes that large are rare and keep every word.)
inline constexpr std::size_t kMarkdownPieceBytes = 1024 * 1024;

std::string RenderMarkdown(std::string_view markdown);
// The same, appended to out.
void RenderMarkdown(std::string_view markdown, std::string& out);

// Where the first piece of a long text ends: at most maxBytes from the start, after a blank line that is
// followed by a line starting at its margin when there is one, else after the last line end, else before a
// UTF-8 continuation byte run. Returns text.size() when the whole text fits.
std::size_t MarkdownPieceEnd(std::string_view text, std::size_t maxBytes);

}  // namespace pw
