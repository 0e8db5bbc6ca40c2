// HTML that arrives from outside (dropped or pasted from a web page) made into plain note text: character
// entities become single bytes of the system code page (Windows-1252 / Latin-1), then the tags are removed.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace pw {

// An entity name with its leading "&" and without the closing ";", and the byte it stands for.
struct HtmlEntity {
    std::string_view name;
    unsigned char byte;
};

// "&quot", "&amp", "&lt", "&gt", "&nbsp" (a plain space) and the Latin-1 names for 161 to 255. Names are
// compared exactly: letter case matters, as in HTML.
std::span<const HtmlEntity> HtmlEntityTable();

// The byte for one entity name ("&eacute", "&#39"); a numeric value below 34 or an unknown name gives a space.
unsigned char EntityByte(std::string_view name);

// Replaces entities in place, left to right; returns the new length.
std::size_t DecodeEntities(std::string& text);

// Removes tags in place, dropping everything before the first "<" (the description header of the HTML
// clipboard format). keepGoing is asked after each tag; when it returns false (the program is quitting) the
// text is left as it was and nullopt returned. Otherwise returns the new length.
std::optional<std::size_t> StripTags(std::string& text, const std::function<bool()>& keepGoing);

}  // namespace pw
