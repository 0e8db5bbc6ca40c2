#include "library/image_links.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pw {
namespace {

using Links = std::vector<std::string>;

TEST(ImageLinks, CollectsTheTargetsOfImageLinks)
{
    struct Case {
        std::string text;
        Links expected;
    };
    const Case cases[] = {
        {"![ shot ](imgs/Image_000.png)", {"imgs\\Image_000.png"}},
        {"a ![x](imgs/a.png) b ![y](imgs/b.bmp)\r\n", {"imgs\\a.png", "imgs\\b.bmp"}},
        // Trailing blanks go, leading ones stay.
        {"![x]( imgs/a.png  )", {" imgs\\a.png"}},
        // The search for "](" and ")" runs past line ends and past other brackets, as in the written links.
        {"![x] text](imgs/c.png)", {"imgs\\c.png"}},
        {"![x]\r\n(imgs/d.png)", {}},
        // A plain link is no image link; an unfinished one ends the search.
        {"[x](imgs/a.png)", {}},
        {"![x](imgs/a.png", {}},
        {"![x]imgs", {}},
        {"", {}},
        // Backslashes that were already there stay.
        {"![x](imgs\\sub\\e.png)", {"imgs\\sub\\e.png"}},
    };
    for (const Case& c : cases) EXPECT_EQ(CollectImageLinks(c.text), c.expected) << c.text;
}

TEST(ImageLinks, SkipsTargetsOutsideTheNotesFolder)
{
    const char* outside[] = {
        "![x](../secret.png)",
        "![x](imgs/../../b.png)",
        "![x](..)",
        "![x](C:/Windows/win.ini)",
        "![x](c:b.png)",
        "![x](/etc/passwd)",
        "![x](\\\\server\\share\\a.png)",
        "![x](imgs/. ./a.png)",
        "![x](imgs/.../a.png)",
        "![x](./a.png)",
        "![x](a\tb.png)",
        "![x](   )",
        "![x](http://host/a.png)",
    };
    for (const char* text : outside) EXPECT_EQ(CollectImageLinks(text), Links{}) << text;
    // A skipped link does not stop the ones after it.
    EXPECT_EQ(CollectImageLinks("![x](../a.png) ![y](imgs/ok.png)"), Links{"imgs\\ok.png"});
    // Names that merely contain dots are inside.
    EXPECT_EQ(CollectImageLinks("![x](imgs/..a.png) ![y](v1..2/b.png)"), (Links{"imgs\\..a.png", "v1..2\\b.png"}));
}

TEST(ImageLinks, LimitsCountAndLength)
{
    std::string many;
    for (int i = 0; i < 300; ++i) many += "![x](imgs/a" + std::to_string(i) + ".png)";
    const Links links = CollectImageLinks(many);
    ASSERT_EQ(links.size(), kMaxImageLinks);
    EXPECT_EQ(links.back(), "imgs\\a259.png");

    const std::string longest(259, 'n');
    EXPECT_EQ(CollectImageLinks("![x](" + longest + ")"), Links{longest});
    EXPECT_EQ(CollectImageLinks("![x](" + longest + "n) ![y](b.png)"), Links{"b.png"}) << "too long: skipped, not cut";
}

TEST(ImageLinks, ImagesAndArchivesLinkNothing)
{
    for (const char* name : {"a.png", "A.PNG", "b.bmp", "c.jpg", "d.zip"}) EXPECT_FALSE(MayLinkImages(name)) << name;
    for (const char* name : {"a.txt", "b.md", "c.wki", "png", ".png", "a.jpeg"})
        EXPECT_TRUE(MayLinkImages(name)) << name;
}

}  // namespace
}  // namespace pw
