#include "multibar/search_text.h"

#include <algorithm>
#include <cstring>
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

namespace {

// Horspool over the mapped bytes from `from` on. The skip table is indexed by the text's own bytes (the mapping
// folded into it), and the term's last byte skips 0: the hot loop is one lookup per window of the text, and a
// window is compared only when its last byte fits.
std::ptrdiff_t Horspool(std::string_view text, std::size_t from, const std::string& key, const UpperTable& upper)
{
    const std::size_t m = key.size();
    const std::size_t n = text.size();
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
    std::size_t pos = from;
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

// How common a mapped byte is in ordinary text, 0 the rarest: letters by their frequency in English, the blank
// and the line end most common, digits and punctuation in between.
int Commonness(unsigned char b)
{
    constexpr std::string_view kLettersRareFirst = "ZQXJKVBPGWYFMCULDRHSNIOATE";
    const std::size_t letter = kLettersRareFirst.find(static_cast<char>(b));
    if (letter != std::string_view::npos) return static_cast<int>(letter) + 4;
    if (b == ' ' || b == '\n' || b == '\r') return 100;
    if (b >= 0x80) return 0;
    return 8;
}

// The term's rarest byte, and the one or two text bytes that map to it; false when more than two do.
struct Anchor {
    std::size_t offset = 0;
    int count = 0;
    unsigned char bytes[2] = {};
};

bool FindAnchor(const std::string& key, const UpperTable& upper, Anchor& anchor)
{
    for (std::size_t i = 1; i < key.size(); ++i)
        if (Commonness(static_cast<unsigned char>(key[i])) < Commonness(static_cast<unsigned char>(key[anchor.offset])))
            anchor.offset = i;
    const unsigned char mapped = static_cast<unsigned char>(key[anchor.offset]);
    for (int b = 0; b < 256; ++b) {
        if (upper[b] != mapped) continue;
        if (anchor.count == 2) return false;
        anchor.bytes[anchor.count++] = static_cast<unsigned char>(b);
    }
    return anchor.count > 0;
}

// The next place at or after `from`, below `end`, that holds one of the anchor's bytes; `end` when none.
class AnchorScan {
public:
    AnchorScan(const unsigned char* bytes, std::size_t end, const Anchor& anchor)
        : bytes_(bytes), end_(end), anchor_(anchor)
    {
    }

    std::size_t Next(std::size_t from)
    {
        std::size_t best = end_;
        for (int i = 0; i < anchor_.count; ++i) {
            if (!found_[i] || next_[i] < from) {
                next_[i] = Find(anchor_.bytes[i], from);
                found_[i] = true;
            }
            best = std::min(best, next_[i]);
        }
        return best;
    }

private:
    std::size_t Find(unsigned char b, std::size_t from) const
    {
        if (from >= end_) return end_;
        const void* at = std::memchr(bytes_ + from, b, end_ - from);
        return at ? static_cast<std::size_t>(static_cast<const unsigned char*>(at) - bytes_) : end_;
    }

    const unsigned char* bytes_;
    std::size_t end_;
    const Anchor& anchor_;
    std::size_t next_[2] = {0, 0};
    bool found_[2] = {false, false};
};

}  // namespace

// Most terms hold a byte that ordinary text seldom has: memchr runs to each place that holds it (in either case)
// and only those windows are compared. Where the anchor turns out common in this text, Horspool takes over.
std::ptrdiff_t ContainsNoCase(std::string_view text, std::string_view term, const UpperTable& upper)
{
    const std::size_t m = term.size();
    const std::size_t n = text.size();
    if (m == 0) return 0;
    if (m > n) return -1;
    std::string key(m, '\0');
    for (std::size_t i = 0; i < m; ++i) key[i] = static_cast<char>(upper[At(term, i)]);
    Anchor anchor;
    if (!FindAnchor(key, upper, anchor)) return Horspool(text, 0, key, upper);
    const unsigned char* bytes = reinterpret_cast<const unsigned char*>(text.data());
    AnchorScan scan(bytes, n - m + anchor.offset + 1, anchor);
    std::size_t candidates = 0;
    for (std::size_t at = scan.Next(anchor.offset); at < n - m + anchor.offset + 1; at = scan.Next(at + 1)) {
        const std::size_t pos = at - anchor.offset;
        std::size_t i = 0;
        while (i < m && upper[bytes[pos + i]] == static_cast<unsigned char>(key[i])) ++i;
        if (i == m) return static_cast<std::ptrdiff_t>(pos);
        // One candidate in every 16 bytes or more: a lookup per window is cheaper than a memchr per candidate.
        if (++candidates > 32 && candidates * 16 > at) return Horspool(text, pos + 1, key, upper);
    }
    return -1;
}

}  // namespace pw
