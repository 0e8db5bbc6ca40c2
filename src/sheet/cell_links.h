// The links written in a cell: bracket links to notes, then web addresses.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace pw {

struct CellLink {
    std::string text;
    bool web = false;
};

inline constexpr std::size_t kCellLinkLimit = 259;
inline constexpr std::size_t kMaxCellLinks = 64;

// Bracket links ("[name]" or "[[name]]") in order, then web links ("http:" or "https:" up to the next blank),
// each trimmed of blanks and of one pair of "$" around it, at most 259 characters; empty ones are skipped.
std::vector<CellLink> CellLinks(std::string_view text);

}  // namespace pw
