#include "render/entities.h"

#include <array>

namespace pw {
namespace {

// An entity ends at the next ";" only when that is this close; a lone "&" in text stays an "&".
constexpr std::size_t kMaxEntityDistance = 10;
constexpr unsigned char kSpace = ' ';
constexpr unsigned kFirstPrintable = 34;

// The Latin-1 names in code order, from 161 on.
constexpr std::array<std::string_view, 95> kLatin1Names = {
    "&iexcl",  "&cent",   "&pound",  "&curren", "&yen",    "&brvbar", "&sect",   "&uml",    "&copy",   "&ordf",
    "&laquo",  "&not",    "&shy",    "&reg",    "&macr",   "&deg",    "&plusmn", "&sup2",   "&sup3",   "&acute",
    "&micro",  "&para",   "&middot", "&cedil",  "&sup1",   "&ordm",   "&raquo",  "&frac14", "&frac12", "&frac34",
    "&iquest", "&Agrave", "&Aacute", "&Acirc",  "&Atilde", "&Auml",   "&Aring",  "&AElig",  "&Ccedil", "&Egrave",
    "&Eacute", "&Ecirc",  "&Euml",   "&Igrave", "&Iacute", "&Icirc",  "&Iuml",   "&ETH",    "&Ntilde", "&Ograve",
    "&Oacute", "&Ocirc",  "&Otilde", "&Ouml",   "&times",  "&Oslash", "&Ugrave", "&Uacute", "&Ucirc",  "&Uuml",
    "&Yacute", "&THORN",  "&szlig",  "&agrave", "&aacute", "&acirc",  "&atilde", "&auml",   "&aring",  "&aelig",
    "&ccedil", "&egrave", "&eacute", "&ecirc",  "&euml",   "&igrave", "&iacute", "&icirc",  "&iuml",   "&eth",
    "&ntilde", "&ograve", "&oacute", "&ocirc",  "&otilde", "&ouml",   "&divide", "&oslash", "&ugrave", "&uacute",
    "&ucirc",  "&uuml",   "&yacute", "&thorn",  "&yuml",
};

constexpr std::array<HtmlEntity, 5 + kLatin1Names.size()> BuildTable()
{
    std::array<HtmlEntity, 5 + kLatin1Names.size()> table = {{
        {"&quot", 34},
        {"&amp", 38},
        {"&lt", 60},
        {"&gt", 62},
        {"&nbsp", 32},
    }};
    for (std::size_t i = 0; i < kLatin1Names.size(); ++i) {
        table[5 + i] = {kLatin1Names[i], static_cast<unsigned char>(161 + i)};
    }
    return table;
}

constexpr auto kTable = BuildTable();

// "&#" and the decimal digits after it; there is no hexadecimal form. Huge numbers keep their low 8 bits.
unsigned char NumericEntityByte(std::string_view digits)
{
    unsigned low = 0;
    bool large = false;
    for (char c : digits) {
        if (c < '0' || c > '9') break;
        unsigned next = low * 10 + static_cast<unsigned>(c - '0');
        if (next >= 256) large = true;
        low = next & 0xFF;
    }
    if (!large && low < kFirstPrintable) return kSpace;
    return static_cast<unsigned char>(low);
}

}  // namespace

std::span<const HtmlEntity> HtmlEntityTable()
{
    return kTable;
}

unsigned char EntityByte(std::string_view name)
{
    if (name.size() >= 2 && name[1] == '#') return NumericEntityByte(name.substr(2));
    for (const HtmlEntity& entity : kTable) {
        if (entity.name == name) return entity.byte;
    }
    return kSpace;
}

std::size_t DecodeEntities(std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        if (text[at] != '&') {
            out += text[at++];
            continue;
        }
        // Only the next few characters can hold the ";" (or the end of the text), so look no further.
        std::string_view window = std::string_view(text).substr(at, kMaxEntityDistance);
        std::size_t semicolon = window.find(';');
        if (semicolon == std::string_view::npos && window.size() == kMaxEntityDistance) {
            out += text[at++];
            continue;
        }
        std::size_t length = semicolon == std::string_view::npos ? window.size() : semicolon;
        out += static_cast<char>(EntityByte(window.substr(0, length)));
        at += semicolon == std::string_view::npos ? length : length + 1;
    }
    text = std::move(out);
    return text.size();
}

std::optional<std::size_t> StripTags(std::string& text, const std::function<bool()>& keepGoing)
{
    std::size_t at = text.find('<');
    if (at == std::string::npos) return text.size();
    std::string out;
    out.reserve(text.size() - at);
    std::size_t close = 0;  // the last ">" found; npos once there is none left
    for (;;) {
        std::size_t open = text.find('<', at);
        if (open == std::string::npos) {
            out.append(text, at);
            break;
        }
        out.append(text, at, open - at);
        // Searching again only past the last ">" keeps a text full of "<" linear.
        if (close != std::string::npos && close <= open) close = text.find('>', open + 1);
        at = close == std::string::npos ? open + 1 : close + 1;
        if (keepGoing && !keepGoing()) return std::nullopt;
    }
    text = std::move(out);
    return text.size();
}

}  // namespace pw
