// The note wiki markup turned into HTML, line by line, by small rule tables (see wiki_engine.h for the engine).
// Some rules produce Markdown rather than HTML ("+" headers become "#" headers) because a Markdown note is
// passed through here first and then through sundown.
#pragma once

#include <string>
#include <string_view>

namespace pw {

enum class BreakStyle { Html, Markdown };

// The prefixes that make a text a web address ("http:", "ftp:", "https:", "mailto:", "www.", "???").
extern const char* const kUrlPrefixList[6];

// Whether the text starts with one of kUrlPrefixList, letters compared without regard to case.
bool IsWebAddress(std::string_view text);

// Line-end handling shared with the Markdown hard-break step: a line that ends with LF or CR loses that
// character and gains "<br/>\n" (Html) or "  \n" (Markdown), unless it then already ends with "<br/>" after
// some other text. A line without a line end is left alone.
void AppendLineBreak(std::string& line, BreakStyle style);
// The same for a line that is appended to out, without copying it first.
void AppendWithLineBreak(std::string& out, std::string_view line, BreakStyle style);

// The href a wiki link target gets ("fw:Shopping%20List", or the web address itself).
std::string WikiLinkHref(std::string_view target);

// Converts a whole note; addLineBreaks appends "<br/>" to unchanged lines as described. Any bytes are
// accepted; the result is the converted text, or the input unchanged when memory for it cannot be had.
std::string WikiConvertDocument(std::string_view input, bool addLineBreaks);

}  // namespace pw
