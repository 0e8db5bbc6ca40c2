#include "multibar/search_text.h"

#include <gtest/gtest.h>

#include <cctype>
#include <clocale>
#include <string>
#include <vector>

#include "multibar/folder_search.h"

namespace pw {
namespace {

// The plainest search: every window compared byte by byte through the table.
std::ptrdiff_t PlainSearch(const std::string& text, const std::string& term, const UpperTable& up)
{
    for (std::size_t p = 0; p + term.size() <= text.size(); ++p) {
        std::size_t i = 0;
        while (i < term.size() &&
               up[static_cast<unsigned char>(text[p + i])] == up[static_cast<unsigned char>(term[i])])
            ++i;
        if (i == term.size()) return static_cast<std::ptrdiff_t>(p);
    }
    return -1;
}

TEST(SearchTextTest, FindsTheFirstOccurrenceWithoutRegardToCase)
{
    const UpperTable& up = AsciiUpperTable();
    struct Case {
        const char* text;
        const char* term;
        std::ptrdiff_t at;
    } cases[] = {
        {"an apple", "APPLE", 3},
        {"Apple apple", "apple", 0},
        {"aaab", "AAB", 1},
        {"abc", "", 0},
        {"", "", 0},
        {"", "a", -1},
        {"ab", "abc", -1},
        {"xAxaX", "ax", 1},
        {"pear", "apple", -1},
        {"abcabd", "ABD", 3},
        {"a", "A", 0},
        {"ba", "a", 1},
    };
    for (const Case& c : cases) EXPECT_EQ(ContainsNoCase(c.text, c.term, up), c.at) << c.text << " / " << c.term;
}

TEST(SearchTextTest, TheAsciiTableMatchesTheCLocaleForEveryByte)
{
    std::setlocale(LC_CTYPE, "C");
    const UpperTable& up = AsciiUpperTable();
    for (int a = 0; a < 256; ++a) {
        for (int b = 0; b < 256; ++b) {
            const std::string text(1, static_cast<char>(a));
            const std::string term(1, static_cast<char>(b));
            const bool same = std::toupper(a) == std::toupper(b);
            ASSERT_EQ(ContainsNoCase(text, term, up) == 0, same) << a << " " << b;
        }
    }
}

// The skipping search against the plainest one, over texts and terms of a small alphabet where partial
// matches, repeats and matches at both ends are common.
TEST(SearchTextTest, AgreesWithAPlainSearchOnManyTexts)
{
    const UpperTable& up = AsciiUpperTable();
    unsigned seed = 7;
    auto next = [&] { return (seed = seed * 1103515245u + 12345u) >> 16; };
    const char alphabet[] = "abAB";
    for (int round = 0; round < 20000; ++round) {
        std::string text(next() % 24, 'a');
        for (char& c : text) c = alphabet[next() % 4];
        std::string term(1 + next() % 5, 'a');
        for (char& c : term) c = alphabet[next() % 4];
        ASSERT_EQ(ContainsNoCase(text, term, up), PlainSearch(text, term, up)) << text << " / " << term;
    }
}

// Long texts of ordinary letters: the search runs from one rare letter to the next, and where the text is
// full of that letter it hands over to the window-by-window search half way through.
TEST(SearchTextTest, AgreesWithAPlainSearchOnLongTextsWhereTheRareLetterIsRareOrCommon)
{
    const UpperTable& up = AsciiUpperTable();
    unsigned seed = 11;
    auto next = [&] { return (seed = seed * 1103515245u + 12345u) >> 16; };
    struct Alphabet {
        const char* letters;
        const char* terms[4];
    };
    const Alphabet alphabets[] = {
        {"etaoin shrdlu", {"zeta", "Zeta", "hozt", "eta z"}},      // no z at all, then one planted
        {"zZzqa e", {"zza", "QZ", "zZzZq", "aez"}},                // the anchor everywhere: the fallback
        {"ab\xe9\xc9xX", {"\xe9X", "bx\xc9", "xxa", "\xc9\xe9"}},  // bytes above 127 map to themselves
    };
    // The hand-over happens at the 33rd candidate; the very next window holds the term.
    EXPECT_EQ(ContainsNoCase(std::string(35, 'z') + "a", "ZZA", up), 33);
    for (const Alphabet& alphabet : alphabets) {
        const std::string letters = alphabet.letters;
        for (int round = 0; round < 300; ++round) {
            std::string text(next() % 3000, 'a');
            for (char& c : text) c = letters[next() % letters.size()];
            const std::string term = alphabet.terms[round % 4];
            if (round % 3 == 0 && text.size() > term.size())
                text.replace(next() % (text.size() - term.size()), term.size(), term);
            ASSERT_EQ(ContainsNoCase(text, term, up), PlainSearch(text, term, up)) << letters << " / " << term;
        }
    }
}

TEST(SearchTextTest, ZeroBytesAndHighBytesAreOrdinaryBytes)
{
    const std::string text("x\0y\xe9Z", 5);
    EXPECT_EQ(ContainsNoCase(text, std::string("\0Y", 2), AsciiUpperTable()), 1);
    EXPECT_EQ(ContainsNoCase(text, "\xe9z", AsciiUpperTable()), 3);
}

TEST(FolderSearchTest, SearchableKindsByExtension)
{
    const ExtensionList text = {".note"};
    for (const char* name : {"a.txt", "A.TXT", "x.md", "x.wki", "x.csv", "x.fw", "x.HTML", "x.svg", "x.note", "x.cpp"})
        EXPECT_TRUE(IsSearchableFile(name, text)) << name;
    for (const char* name : {"x.png", "x.zip", "txt", "x.txt.bak", "x.exe", "x"})
        EXPECT_FALSE(IsSearchableFile(name, text)) << name;
}

TEST(FolderSearchTest, NameHitsContentHitsAndUnreadableFiles)
{
    const std::vector<std::string> entries = {"apple-pie.txt", "b.txt", "c.png", "apple.png", "d.txt", "e.txt"};
    std::vector<std::string> read;
    auto reader = [&](const std::string& name) -> std::optional<std::string> {
        read.push_back(name);
        if (name == "d.txt") return std::nullopt;  // cannot be read
        if (name == "e.txt") return std::string("An APPLE a day");
        return std::string("nothing here");
    };
    FolderSearchRules rules;
    rules.term = "Apple";

    std::optional<FolderHit> hit = NextFolderHit(entries, 0, rules, reader);
    ASSERT_TRUE(hit);
    EXPECT_EQ(hit->index, 0u);
    EXPECT_TRUE(hit->nameHit);
    // An image is never read, but its name still counts.
    hit = NextFolderHit(entries, 1, rules, reader);
    ASSERT_TRUE(hit);
    EXPECT_EQ(hit->index, 3u);
    EXPECT_EQ(read, (std::vector<std::string>{"b.txt"}));
    hit = NextFolderHit(entries, 4, rules, reader);
    ASSERT_TRUE(hit);
    EXPECT_EQ(hit->index, 5u);
    EXPECT_FALSE(hit->nameHit);
    EXPECT_FALSE(NextFolderHit(entries, 6, rules, reader));

    // Without name hits the first file is read and skipped, and the image is passed by.
    rules.checkFilename = false;
    read.clear();
    hit = NextFolderHit(entries, 0, rules, reader);
    ASSERT_TRUE(hit);
    EXPECT_EQ(hit->index, 5u);
    EXPECT_EQ(read, (std::vector<std::string>{"apple-pie.txt", "b.txt", "d.txt", "e.txt"}));
}

}  // namespace
}  // namespace pw
