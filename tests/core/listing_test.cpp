#include "library/listing.h"

#include <gtest/gtest.h>

namespace pw {
namespace {

TEST(ListingTest, DateTextSortsLikeTime)
{
    EXPECT_EQ(SortKeyDateText({2026, 3, 7, 14, 5, 9}), "2026.03.07 14:05:09");
    EXPECT_EQ(SortKeyDateText({999, 12, 31, 0, 0, 0}), "0999.12.31 00:00:00");
    EXPECT_LT(SortKeyDateText({2025, 12, 31, 23, 59, 59}), SortKeyDateText({2026, 1, 1, 0, 0, 0}));
}

TEST(ListingTest, SortRequestsFlipOnTheSameColumn)
{
    struct Step {
        int column;
        int expectColumn;
        bool descending;
    } steps[] = {
        {kSortByName, kSortByName, false},                                     // the refill's own sort
        {kSortByName, kSortByName, true},                                      // "Sort by Name" right after a refill
        {kSortByName, kSortByName, false}, {kSortByDate, kSortByDate, false},  // another column starts ascending
        {kSortByDate, kSortByDate, true},  {kSortByName, kSortByName, false},
    };
    SortState state;
    for (const Step& s : steps) {
        RequestSort(state, s.column);
        EXPECT_EQ(state.column, s.expectColumn);
        EXPECT_EQ(state.descending, s.descending);
    }
    state = SortState{};
    EXPECT_EQ(state.column, kSortNone);
}

std::vector<std::string> Names(const std::vector<SortKey>& keys)
{
    std::vector<std::string> names;
    for (const SortKey& k : keys) names.push_back(k.name);
    return names;
}

TEST(ListingTest, SortKeysByNameOrDate)
{
    const std::vector<SortKey> files = {{"beta.txt", "2026.01.02 10:00:00"},
                                        {"Alpha.txt", "2026.01.03 10:00:00"},
                                        {"gamma.txt", ""},
                                        {"ALPHA2.txt", "2025.12.31 10:00:00"}};
    struct Case {
        SortState state;
        std::vector<std::string> order;
    } cases[] = {
        {{kSortByName, false}, {"Alpha.txt", "ALPHA2.txt", "beta.txt", "gamma.txt"}},
        {{kSortByName, true}, {"gamma.txt", "beta.txt", "ALPHA2.txt", "Alpha.txt"}},
        {{kSortByDate, false}, {"gamma.txt", "ALPHA2.txt", "beta.txt", "Alpha.txt"}},  // no date sorts first
        {{kSortByDate, true}, {"Alpha.txt", "beta.txt", "ALPHA2.txt", "gamma.txt"}},
        {{kSortNone, false}, {"beta.txt", "Alpha.txt", "gamma.txt", "ALPHA2.txt"}},
    };
    for (const Case& c : cases) {
        std::vector<SortKey> keys = files;
        SortKeys(keys, c.state);
        EXPECT_EQ(Names(keys), c.order) << c.state.column << c.state.descending;
    }
    EXPECT_LT(CompareNoCase(kParentEntry, "0abc"), 0);
    EXPECT_LT(CompareNoCase(kParentEntry, "abc"), 0);
    EXPECT_EQ(CompareNoCase("ABC", "abc"), 0);
    EXPECT_LT(CompareNoCase("ab", "abc"), 0);
}

TEST(ListingTest, CaptionShortening)
{
    const std::string longLast = "C:\\first\\" + std::string(40, 'm') + "\\" + std::string(30, 'z');
    struct Case {
        const char* root;
        std::string folder;
        int listWidth;
        int multiple;
        std::string shown;
    } cases[] = {
        {"C:\\", "C:\\first\\" + std::string(60, 'm') + "\\last", 200, 7, "C:\\first\\...\\last"},
        {"C:\\", longLast, 200, 7, "...\\" + std::string(30, 'z')},  // even when still too long
        {"C:\\", "C:\\short\\path", 200, 7, "C:\\short\\path"},
        {"C:\\", "C:\\" + std::string(40, 'a'), 200, 7, "C:\\" + std::string(40, 'a')},            // one backslash
        {"C:\\", "C:\\abc\\" + std::string(40, 'a'), 200, 7, "C:\\abc\\" + std::string(40, 'a')},  // same cut
        {"C:\\", "C:\\abc\\" + std::string(40, 'a') + "\\d", 200, 7, "C:\\abc\\...\\d"},
        {"\\\\srv\\share", "\\\\srv\\share\\" + std::string(30, 'b') + "\\c", 200, 7, "\\\\srv\\...\\c"},
        {"D:\\notes\\root", "D:\\notes\\root\\x", 70, 7, "...\\x"},
        {"relative", "relative", 7, 7, "relative"},  // not longer than the prefix
        {"D:\\notes\\root", "D:\\notes\\root\\" + std::string(20, 'x') + "\\y", 70, 7, "...\\y"},
        {"C:\\", "C:\\first\\" + std::string(60, 'm') + "\\last", 200, 0,
         "C:\\first\\" + std::string(60, 'm') + "\\last"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ShortenFolderPath(c.root, c.folder, c.listWidth, c.multiple), c.shown) << c.folder;
    }
    EXPECT_EQ(FolderCaption("C:\\", "C:\\a", 200, 7), "  C:\\a");
}

TEST(ListingTest, ParentEntryAndNavigation)
{
    EXPECT_FALSE(ShowsParentEntry("D:\\Notes", "d:\\notes"));
    EXPECT_TRUE(ShowsParentEntry("D:\\Notes", "D:\\Notes\\sub"));
    EXPECT_EQ(ParentFolderPath("D:\\Notes\\sub\\deeper"), "D:\\Notes\\sub");
    EXPECT_EQ(ParentFolderPath("nothing"), "nothing");

    // A root that ends in a backslash (a drive, the command-line root) lists nothing above itself.
    struct Case {
        const char* root;
        const char* folder;
        bool parentEntry;
        const char* up;  // where the parent entry leads
    } cases[] = {
        {"C:\\", "C:\\", false, "C:\\"},
        {"C:\\", "C:\\Work", true, "C:\\"},
        {"C:\\", "C:", false, "C:\\"},
        {"C:\\", "C:\\Work\\Deep", true, "C:\\Work"},
        {"D:\\notes\\", "D:\\notes\\a", true, "D:\\notes\\"},
        {"D:\\notes\\", "D:\\notes", false, "D:\\notes\\"},
        {"D:\\Notes", "D:\\Notes old\\x", false, "D:\\Notes"},
        {"\\\\server\\share", "\\\\server\\share\\a", true, "\\\\server\\share"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ShowsParentEntry(c.root, c.folder), c.parentEntry) << c.root << " " << c.folder;
        EXPECT_EQ(ParentWithinRoot(c.root, c.folder), c.up) << c.root << " " << c.folder;
    }
    EXPECT_EQ(ParentFolderPath("C:\\Work"), "C:\\");
    EXPECT_EQ(ParentFolderPath("C:\\Work\\"), "C:\\");
}

TEST(ListingTest, FolderIcons)
{
    struct Case {
        std::vector<std::string> subfolders;
        bool ownHidden;
        FolderIcon icon;
    } cases[] = {
        {{".", ".."}, true, FolderIcon::Plain},
        {{}, false, FolderIcon::Plain},
        {{".", "..", "imgs"}, true, FolderIcon::Plain},
        {{".", "..", "Imgs"}, false, FolderIcon::HasSubfolders},
        {{".", "..", "sub"}, true, FolderIcon::HasSubfolders},
    };
    for (const Case& c : cases) EXPECT_EQ(FolderIconFor(c.subfolders, c.ownHidden), c.icon);
}

}  // namespace
}  // namespace pw
