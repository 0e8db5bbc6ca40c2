// Case-blind search over plain bytes of the system code page. Both the text and the term are compared after
// mapping every byte through an upper-case table: the program fills it once from the system's own conversion,
// the command-line tool uses the C locale's.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace pw {

using UpperTable = std::array<unsigned char, 256>;

// 'a' to 'z' become 'A' to 'Z'; every other byte stays.
const UpperTable& AsciiUpperTable();

// The position of the first occurrence of term in text, both seen through the table; -1 when there is none.
// An empty term is found at 0. The text is never copied, so a search over a large file costs no memory.
std::ptrdiff_t ContainsNoCase(std::string_view text, std::string_view term, const UpperTable& upper);

}  // namespace pw
