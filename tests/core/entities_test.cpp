#include "render/entities.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>

namespace {

using namespace std::string_literals;

TEST(HtmlEntities, TableHoldsLatin1Names)
{
    auto table = pw::HtmlEntityTable();
    ASSERT_EQ(table.size(), 100u);
    std::set<std::string_view> names;
    std::set<int> latin1;
    for (const pw::HtmlEntity& entity : table) {
        EXPECT_EQ(entity.name.substr(0, 1), "&") << entity.name;
        names.insert(entity.name);
        if (entity.byte >= 161) latin1.insert(entity.byte);
    }
    EXPECT_EQ(names.size(), table.size());
    EXPECT_EQ(latin1.size(), 95u);  // every code from 161 to 255 once
}

TEST(HtmlEntities, EntityByte)
{
    struct Case {
        const char* name;
        int byte;
    };
    const Case cases[] = {
        {"&quot", 34},
        {"&amp", 38},
        {"&lt", 60},
        {"&gt", 62},
        {"&nbsp", 32},
        {"&iexcl", 161},
        {"&copy", 169},
        {"&frac34", 190},
        {"&Eacute", 201},
        {"&times", 215},
        {"&szlig", 223},
        {"&eacute", 233},
        {"&divide", 247},
        {"&yuml", 255},
        {"&AMP", 32},
        {"&zz", 32},
        {"&", 32},
        {"", 32},
        {"&#39", 39},
        {"&#300", 44},
        {"&#9", 32},
        {"&#33", 32},
        {"&#34", 34},
        {"&#256", 0},
        {"&#x27", 32},
        {"&#", 32},
        {"&#-5", 32},
        {"&#65abc", 65},
        {"&#99999999999999999999999", 255},
    };
    for (const Case& c : cases) EXPECT_EQ(pw::EntityByte(c.name), c.byte) << c.name;
}

TEST(HtmlEntities, DecodeEntities)
{
    struct Case {
        std::string text, expected;
    };
    const Case cases[] = {
        {"&amp;", "&"},
        {"&eacute;", "\xe9"},
        {"&Eacute;", "\xc9"},
        {"&nbsp;", " "},
        {"&#39;", "'"},
        {"&#300;", ","},
        {"&#9;", " "},
        {"&zz;", " "},
        {"&abcdefgh;", " "},             // nine characters to the ";": still an entity
        {"&abcdefghi;", "&abcdefghi;"},  // ten: an ordinary "&"
        {"a &abcdefghij; b", "a &abcdefghij; b"},
        {"A & B; C", "A   C"},
        {"AT&T", "AT "},  // up to the end of the text when there is no ";"
        {"&", " "},
        {"&&amp;", " "},
        {"x &lt;b&gt; y", "x <b> y"},
        {"a\0&amp;"s, "a\0&"s},
        {"", ""},
    };
    for (const Case& c : cases) {
        std::string text = c.text;
        EXPECT_EQ(pw::DecodeEntities(text), c.expected.size()) << c.text;
        EXPECT_EQ(text, c.expected) << c.text;
    }
}

TEST(HtmlEntities, StripTags)
{
    struct Case {
        std::string text, expected;
    };
    const Case cases[] = {
        {"x <b>y</b> z", "y z"},
        {"no tags", "no tags"},
        {"Version:0.9\r\nStartHTML:1\r\n<html><body>Hi</body></html>", "Hi"},
        {"<a", "a"},
        {"<<b>>x", ">x"},
        {"a<b>c<d", "cd"},
        {"<p>\0</p>"s, "\0"s},
        {"", ""},
    };
    for (const Case& c : cases) {
        std::string text = c.text;
        auto length = pw::StripTags(text, [] { return true; });
        ASSERT_TRUE(length.has_value()) << c.text;
        EXPECT_EQ(*length, c.expected.size()) << c.text;
        EXPECT_EQ(text, c.expected) << c.text;
    }
}

TEST(HtmlEntities, StripTagsStopsWhenQuitting)
{
    std::string text = "x <b>y</b> z";
    int asked = 0;
    EXPECT_TRUE(pw::StripTags(text, [&asked] { return ++asked > 0; }).has_value());
    EXPECT_EQ(asked, 2);  // once per tag

    text = "x <b>y</b> z";
    EXPECT_FALSE(pw::StripTags(text, [] { return false; }).has_value());
    EXPECT_EQ(text, "x <b>y</b> z");
}

TEST(HtmlEntities, EscapedTagsAreDecodedThenStripped)
{
    std::string text = "<p>&lt;b&gt;bold&lt;/b&gt; &amp; more</p>";
    pw::DecodeEntities(text);
    ASSERT_TRUE(pw::StripTags(text, [] { return true; }).has_value());
    EXPECT_EQ(text, "bold & more");
}

TEST(HtmlEntities, HugeInputsStayLinear)
{
    std::string ampersands(1 << 20, '&');
    // Every "&" stays but the last nine, which reach the end of the text and become one space.
    EXPECT_EQ(pw::DecodeEntities(ampersands), (1u << 20) - 8);
    std::string opens(1 << 20, '<');
    EXPECT_EQ(pw::StripTags(opens, [] { return true; }), 0u);
}

}  // namespace
