// Name comparisons, setting values read as booleans and integers, and the bounded replace of stored texts.
#include "settings/text.h"

#include <climits>

#include "settings/limits.h"

namespace pw {

namespace {

char LowerAscii(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameNoCase(std::string_view a, std::string_view b)
{
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
    }
    return true;
}

}  // namespace

bool EqualsNoCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && SameNoCase(a, b);
}

std::size_t FindNoCase(std::string_view text, std::string_view what, std::size_t from)
{
    if (from > text.size() || what.size() > text.size() - from) return std::string_view::npos;
    for (std::size_t i = from; i + what.size() <= text.size(); ++i) {
        if (SameNoCase(text.substr(i, what.size()), what)) return i;
    }
    return std::string_view::npos;
}

bool ContainsNoCase(std::string_view text, std::string_view what)
{
    return FindNoCase(text, what) != std::string_view::npos;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix)
{
    return text.size() >= prefix.size() && SameNoCase(text.substr(0, prefix.size()), prefix);
}

bool EndsWithNoCase(std::string_view text, std::string_view suffix)
{
    return text.size() > suffix.size() && SameNoCase(text.substr(text.size() - suffix.size()), suffix);
}

bool BooleanText(std::string_view text)
{
    return EqualsNoCase(text, "yes") || EqualsNoCase(text, "on") || EqualsNoCase(text, "true") ||
           EqualsNoCase(text, "1");
}

int DecimalPrefix(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        // Saturate instead of overflowing: an absurd number still reads as a huge one.
        if (value <= static_cast<long long>(INT_MAX) + 1) value = value * 10 + (text[i] - '0');
    }
    if (negative) value = -value;
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

int IntegerFromText(std::string_view text)
{
    const int value = DecimalPrefix(text);
    if (value != 0) return value;
    return text == "0" ? 0 : -1;
}

std::string IntegerText(long long value)
{
    return std::to_string(value);
}

std::string ThousandsText(unsigned long long value)
{
    const std::string digits = std::to_string(value);
    std::string out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) out += ',';
        out += digits[i];
    }
    return out;
}

std::string RemoveQuotes(std::string_view text)
{
    const std::size_t open = text.find('"');
    if (open == std::string_view::npos) return std::string(text);
    const std::size_t close = text.find('"', open + 1);
    const std::size_t end = close == std::string_view::npos ? text.size() : close;
    return std::string(text.substr(open + 1, end - open - 1));
}

std::string TrimLine(std::string_view text)
{
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    if (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.remove_suffix(1);
    return std::string(text);
}

std::string TrimSpaces(std::string_view text)
{
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    return std::string(text);
}

bool ReplaceFirst(std::string& text, std::string_view what, std::string_view with)
{
    if (what.empty() || text.size() > kMaxText) return false;
    const std::size_t at = text.find(what);
    if (at == std::string::npos) return false;
    if (text.size() - what.size() + with.size() > kMaxText) return false;
    text.replace(at, what.size(), with);
    return true;
}

void ReplaceAll(std::string& text, std::string_view what, std::string_view with)
{
    // The bound stops a replacement that contains what from growing forever.
    const std::size_t rounds = text.size();
    for (std::size_t i = 0; i < rounds; ++i) {
        if (!ReplaceFirst(text, what, with)) return;
    }
}

}  // namespace pw
