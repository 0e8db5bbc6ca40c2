// UTF-8 to Windows-1252 without the platform: the code page equals Latin-1 except for 0x80-0x9F, where it
// holds typographic characters; five of those bytes are unassigned and stand for the C1 controls alike.
#include <cstdint>

#include "settings/text.h"

namespace pw {

namespace {

// Unicode of the bytes 0x80-0x9F; 0 where the byte is the C1 control of the same number.
constexpr char32_t kHighControls[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

constexpr char32_t kInvalid = 0xFFFFFFFF;

// Decodes one character at text[at], advancing at; kInvalid for a malformed sequence (the lead byte and
// the continuation bytes that belong to it are consumed, so one fault gives one "?").
char32_t DecodeOne(std::string_view text, std::size_t& at)
{
    const auto lead = static_cast<unsigned char>(text[at++]);
    if (lead < 0x80) return lead;
    int extra = 0;
    char32_t value = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        extra = 1, value = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        extra = 2, value = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        extra = 3, value = lead & 0x07;
    } else {
        return kInvalid;
    }
    for (int i = 0; i < extra; ++i) {
        if (at >= text.size() || (static_cast<unsigned char>(text[at]) & 0xC0) != 0x80) return kInvalid;
        value = (value << 6) | (static_cast<unsigned char>(text[at++]) & 0x3F);
    }
    const char32_t lowest[] = {0, 0x80, 0x800, 0x10000};
    if (value < lowest[extra] || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return kInvalid;
    return value;
}

char EncodeOne(char32_t value)
{
    if (value < 0x80 || (value >= 0xA0 && value <= 0xFF)) return static_cast<char>(value);
    for (int i = 0; i < 32; ++i) {
        const char32_t mapped = kHighControls[i] != 0 ? kHighControls[i] : static_cast<char32_t>(0x80 + i);
        if (mapped == value) return static_cast<char>(0x80 + i);
    }
    return '?';
}

}  // namespace

std::string Utf8ToCp1252(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    std::size_t at = 0;
    while (at < utf8.size()) {
        const char32_t value = DecodeOne(utf8, at);
        if (value == kInvalid) {
            out += '?';
        } else if (value > 0xFFFF) {
            out += "??";  // a surrogate pair in the wide text: two characters the code page lacks
        } else {
            out += EncodeOne(value);
        }
    }
    return out;
}

}  // namespace pw
