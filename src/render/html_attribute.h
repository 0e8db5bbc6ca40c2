// Values written into quoted HTML attributes (link targets, image sources, base and style sheet addresses), and
// plain text written into a page.
#pragma once

#include <string>
#include <string_view>

namespace pw {

// Appends value for an attribute delimited by quote ('"' or '\''): that quote character becomes "&quot;" or
// "&#39;", so the value cannot end its attribute early. Nothing else changes: an "&" in a query string or the
// other kind of quote reads the same to a browser as it is, and ordinary addresses come out as written.
void AppendAttributeValue(std::string& out, std::string_view value, char quote);

// Appends text to be read as it is: "<", ">" and "&" become entities, nothing else changes.
void AppendHtmlText(std::string& out, std::string_view text);

}  // namespace pw
