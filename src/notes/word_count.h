// Counting the words of a note.
#pragma once

#include <cstddef>
#include <string_view>

namespace pw {

// Words are runs of characters between blanks, tabs, CRs and LFs. A run made only of punctuation (printable
// ASCII that is neither a letter, a digit nor a blank: "-", "*", "--") is no word: markup rules and dashes
// are not counted.
std::size_t CountWords(std::string_view text);

}  // namespace pw
