#include "multibar/search_text.h"

#include <string>

namespace pw {
namespace {

UpperTable MakeAsciiTable()
{
    UpperTable table{};
    for (int i = 0; i < 256; ++i) table[i] = static_cast<unsigned char>(i >= 'a' && i <= 'z' ? i - 'a' + 'A' : i);
    return table;
}

inline unsigned char At(std::string_view s, std::size_t i)
{
    return static_cast<unsigned char>(s[i]);
}

}  // namespace

const UpperTable& AsciiUpperTable()
{
    static const UpperTable table = MakeAsciiTable();
    return table;
}

// Horspool over the mapped bytes. The skip table is indexed by the text's own bytes (the mapping folded into
// it), and the term's last byte skips 0: the hot loop is one lookup per window of the text, and a window is
// compared only when its last byte fits.
std::ptrdiff_t ContainsNoCase(std::string_view text, std::string_view term, const UpperTable& upper)
{
    const std::size_t m = term.size();
    const std::size_t n = text.size();
    if (m == 0) return 0;
    if (m > n) return -1;
    std::string key(m, '\0');
    for (std::size_t i = 0; i < m; ++i) key[i] = static_cast<char>(upper[At(term, i)]);
    std::size_t mappedSkip[256];
    for (std::size_t& skip : mappedSkip) skip = m;
    for (std::size_t i = 0; i + 1 < m; ++i) mappedSkip[static_cast<unsigned char>(key[i])] = m - 1 - i;
    // After a failed comparison the window moves as far as the last byte allows anywhere else in the term.
    const std::size_t lastShift = mappedSkip[static_cast<unsigned char>(key[m - 1])];
    mappedSkip[static_cast<unsigned char>(key[m - 1])] = 0;
    std::size_t skip[256];
    for (int b = 0; b < 256; ++b) skip[b] = mappedSkip[upper[b]];
    const unsigned char* bytes = reinterpret_cast<const unsigned char*>(text.data());
    const std::size_t lastStart = n - m;
    std::size_t pos = 0;
    while (pos <= lastStart) {
        const std::size_t step = skip[bytes[pos + m - 1]];
        if (step != 0) {
            pos += step;
            continue;
        }
        std::size_t i = m - 1;
        while (i > 0 && upper[bytes[pos + i - 1]] == static_cast<unsigned char>(key[i - 1])) --i;
        if (i == 0) return static_cast<std::ptrdiff_t>(pos);
        pos += lastShift;
    }
    return -1;
}

}  // namespace pw
