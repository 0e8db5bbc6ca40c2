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

// Horspool over the mapped bytes: the skip table is built from the mapped term, so each window of the text is
// compared from its last byte backwards and a mismatch usually skips the term's whole length.
std::ptrdiff_t ContainsNoCase(std::string_view text, std::string_view term, const UpperTable& upper)
{
    const std::size_t m = term.size();
    const std::size_t n = text.size();
    if (m == 0) return 0;
    if (m > n) return -1;
    std::string key(m, '\0');
    for (std::size_t i = 0; i < m; ++i) key[i] = static_cast<char>(upper[At(term, i)]);
    std::size_t skip[256];
    for (std::size_t& s : skip) s = m;
    for (std::size_t i = 0; i + 1 < m; ++i) skip[static_cast<unsigned char>(key[i])] = m - 1 - i;
    const unsigned char last = static_cast<unsigned char>(key[m - 1]);
    std::size_t pos = 0;
    while (pos + m <= n) {
        const unsigned char tail = upper[At(text, pos + m - 1)];
        if (tail == last) {
            std::size_t i = m - 1;
            while (i > 0 && upper[At(text, pos + i - 1)] == static_cast<unsigned char>(key[i - 1])) --i;
            if (i == 0) return static_cast<std::ptrdiff_t>(pos);
        }
        pos += skip[tail];
    }
    return -1;
}

}  // namespace pw
