#include "media/drop_data.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace std::string_literals;

TEST(DropFilesBlock, OnePathAfterTheHeaderWithTwoZeros)
{
    const std::string path = "C:\\notes\\a.txt";
    const std::string block = pw::DropFilesBlock({path});
    ASSERT_EQ(block.size(), path.size() + 22);
    EXPECT_EQ(block.substr(0, 20), "\x14\0\0\0"s + std::string(16, '\0'));
    EXPECT_EQ(block.substr(20), path + "\0\0"s);
}

TEST(DropFilesBlock, SeveralPathsEachWithItsZeroAndNothingForNoName)
{
    EXPECT_EQ(pw::DropFilesBlock({"a", "bc"}).substr(20), "a\0bc\0\0"s);
    EXPECT_EQ(pw::DropFilesBlock({}), "");
    EXPECT_EQ(pw::DropFilesBlock({""}), "");
    EXPECT_EQ(pw::DropFilesBlock({"a", ""}), "");
}

std::string ClipboardHtml(const std::string& before, const std::string& fragment, const std::string& after)
{
    // The header's numbers are written with a fixed width, as browsers do, so the offsets can be filled in.
    const std::string header =
        "Version:0.9\r\nStartHTML:0000000000\r\nEndHTML:0000000000\r\n"
        "StartFragment:0000000000\r\nEndFragment:0000000000\r\n";
    std::string data = header + before + fragment + after;
    auto fill = [&data](const std::string& name, std::size_t value) {
        const std::size_t at = data.find(name) + name.size();
        const std::string digits = std::to_string(value);
        data.replace(at + 10 - digits.size(), digits.size(), digits);
    };
    fill("StartHTML:", header.size());
    fill("EndHTML:", data.size());
    fill("StartFragment:", header.size() + before.size());
    fill("EndFragment:", header.size() + before.size() + fragment.size());
    return data;
}

TEST(HtmlFragment, ClipboardHeaderOffsetsMarkTheFragment)
{
    const std::string data = ClipboardHtml("<html><body>\r\n<!--StartFragment-->", "<b>bold</b> &amp; plain",
                                           "<!--EndFragment-->\r\n</body></html>");
    EXPECT_EQ(pw::HtmlFragment(data), "<b>bold</b> &amp; plain");
    // A zero that ends the block before the fragment's end keeps the fragment inside the text.
    EXPECT_EQ(pw::HtmlFragment(data.substr(0, data.size() - 30) + "\0junk"s), "<b>bold</b> &amp; plain");
}

TEST(HtmlFragment, FallsBackOnTheCommentsThenOnTheFirstTagAndNeverReadsOutside)
{
    struct Case {
        std::string html;
        std::string fragment;
    };
    const Case cases[] = {
        // no header: the whole text up to its zero
        {"<img src=\"a.png\">\0rest"s, "<img src=\"a.png\">"},
        // offsets past the end: the comments mark it
        {"Version:0.9\r\nStartFragment:9000\r\nEndFragment:9999\r\n<html><!--StartFragment-->x<b>y</b>"
         "<!--EndFragment--></html>",
         "x<b>y</b>"},
        // start after end, and no comments: from the first tag
        {"Version:0.9\r\nStartFragment:50\r\nEndFragment:10\r\n<p>z</p>", "<p>z</p>"},
        // a header and nothing else
        {"Version:0.9\r\nStartFragment:abc\r\n", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(pw::HtmlFragment(c.html), c.fragment) << c.html;
}

TEST(ImageFragment, StartsWithImgInAnyCaseAfterBlanks)
{
    EXPECT_TRUE(pw::IsImageFragment("<img src=\"x\">"));
    EXPECT_TRUE(pw::IsImageFragment("<IMG SRC=\"x\">"));
    EXPECT_TRUE(pw::IsImageFragment("\r\n <Img src=\"x\">"));
    EXPECT_FALSE(pw::IsImageFragment("<p><img src=\"x\"></p>"));
    EXPECT_FALSE(pw::IsImageFragment("<im"));
    EXPECT_FALSE(pw::IsImageFragment(""));
}

TEST(ImageFragment, AddressBetweenTheFirstTwoQuotesAfterSrc)
{
    struct Case {
        std::string fragment;
        std::optional<std::string> address;
    };
    const std::string longAddress = "http://h/" + std::string(251, 'a');  // 260 characters
    const Case cases[] = {
        {"<img src=\"http://h/a.png\" alt=\"x\">", "http://h/a.png"},
        {"<IMG alt=\"first\" SRC=\"http://h/b.gif\">", "http://h/b.gif"},
        {"<img src=\"http://h/c.php?a=1&amp;b=2\">", "http://h/c.php?a=1&b=2"},
        {"<img srcset=\"http://h/s.png 2x\" src=\"http://h/d.png\">", "http://h/s.png 2x"},
        {"<img alt=\"no address\">", std::nullopt},
        {"<img src=\"http://h/open", std::nullopt},
        {"<img src=\"\">", std::nullopt},
        {"<img src=\"" + longAddress + "\">", std::nullopt},
        {"<img src=\"" + longAddress.substr(1) + "\">", longAddress.substr(1)},
    };
    for (const Case& c : cases) EXPECT_EQ(pw::ImageAddress(c.fragment), c.address) << c.fragment;
}

TEST(HtmlDrop, ChoiceByFragmentAndOfferedText)
{
    EXPECT_EQ(pw::ChooseHtmlDrop("<IMG src=\"a\">", true), pw::HtmlDropKind::Image);
    EXPECT_EQ(pw::ChooseHtmlDrop("<img src=\"a\">", false), pw::HtmlDropKind::Image);
    EXPECT_EQ(pw::ChooseHtmlDrop("<p>text</p>", false), pw::HtmlDropKind::Text);
    EXPECT_EQ(pw::ChooseHtmlDrop("<p>text</p>", true), pw::HtmlDropKind::OfferedText);
}

TEST(HtmlDrop, TextDecodesReferencesRemovesTagsAndKeepsTheLeadingText)
{
    struct Case {
        std::string fragment;
        std::string text;
    };
    const Case cases[] = {
        {"<p>Caf&eacute; &amp; <b>bar</b></p>", "Caf\xe9 & bar"},
        {"x <b>y</b> z", "x y z"},
        {"&lt;b&gt;escaped&lt;/b&gt; tag", "escaped tag"},
        {"no tags", "no tags"},
        {"<br>", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(pw::HtmlAsText(c.fragment, nullptr), c.text) << c.fragment;
}

TEST(HtmlDrop, QuittingStopsTheTagStripper)
{
    int asked = 0;
    EXPECT_EQ(pw::HtmlAsText("<a>1</a><b>2</b>", [&asked] { return ++asked < 2; }), std::nullopt);
    EXPECT_EQ(asked, 2);
}

TEST(DroppedImageName, BaseNameWithBmpAndNoCharacterAFileNameCannotHold)
{
    struct Case {
        std::string source;
        std::string name;
    };
    const Case cases[] = {
        {"C:\\pictures\\holiday.jpg", "holiday.bmp"},
        {"http://example.com/img/My%20Photo.png", "My Photo.bmp"},
        {"a%b:c?d[e]f.gif", "a_b_c_d_e_f.bmp"},
        {"caf&eacute;.png", "caf\xe9.bmp"},
        {"line\r\nbreak*<>|\"", "line__break_____.bmp"},
        {"archive.tar.gz", "archive.tar.bmp"},
        {"CON.png", "_CON.bmp"},
        {"http://example.com/", ""},
        {".png", ""},
        {"   ", ""},
        {"", ""},
        {std::string(300, 'n'), std::string(255, 'n') + ".bmp"},
    };
    for (const Case& c : cases) EXPECT_EQ(pw::DroppedImageName(c.source), c.name) << c.source;
}

}  // namespace
