#include "notes/markup.h"

#include <gtest/gtest.h>

#include "notes/inserted_links.h"
#include "notes/word_count.h"

namespace pw {
namespace {

// A font where "=" is 6 units wide, "-" 4 and every other character 7.
long FakeWidth(std::string_view text)
{
    long width = 0;
    for (char c : text) width += c == '=' ? 6 : c == '-' ? 4 : 7;
    return width;
}

HeaderRule Rule(HeaderBarLength kind, int fixed = kDefaultHeaderLength)
{
    return {kind, fixed, FakeWidth};
}

// The text after the edit, as the editor would show it.
std::string Applied(const std::string& text, const MarkupEdit& edit)
{
    if (!edit.replacement) return text;
    std::string result = text;
    result.replace(edit.select.start, edit.select.end - edit.select.start, *edit.replacement);
    return result;
}

constexpr auto kBold = MarkupCommand::Bold;
constexpr auto kHeader = MarkupCommand::Header;
constexpr auto kSubheader = MarkupCommand::Subheader;
constexpr auto kExtent = HeaderBarLength::TextExtent;
constexpr auto kLength = HeaderBarLength::TextLength;
constexpr auto kFixed = HeaderBarLength::Fixed;

TEST(MarkupTest, ReplacementTextsAndLineRules)
{
    const std::string forty(40, '=');
    struct Case {
        MarkupCommand command;
        std::string text;
        std::size_t start, end;
        std::string after;
        HeaderBarLength kind = kExtent;
        const char* clipboard = nullptr;
    } cases[] = {
        // One more blank after the closing marker; none before it when a blank or the text's start is there.
        {kBold, "a word here", 2, 6, "a **word**  here"},
        {kBold, "word here", 0, 4, "**word**  here"},
        {kBold, "a-word", 2, 6, "a- **word** "},
        {kBold, "a word here", 2, 7, "a **word** here"},  // trailing blanks go, leading ones stay
        {kBold, "a  word", 1, 7, "a **  word** "},
        {MarkupCommand::Italics, "a word here", 2, 6, "a *word*  here"},
        {MarkupCommand::StrikeThrough, "a word here", 2, 6, "a ~~word~~  here"},
        {MarkupCommand::PageLink, "a word here", 2, 6, "a [ word ]  here"},
        {MarkupCommand::WebLink, "see label now", 4, 9, "see [ label ](http://x.com)  now", kExtent, "http://x.com"},
        {MarkupCommand::WebLink, "see label now", 4, 9, "see label now"},  // no text on the clipboard
        // Headers start a line of their own and end one, unless a line end already follows.
        {kHeader, "intro Chapter\r\nnext", 6, 13, "intro \r\nChapter\r\n=======\r\nnext", kLength},
        {kHeader, "Title", 0, 5, "Title\r\n=====\r\n", kLength},
        {kSubheader, "twelve chars", 0, 12, "twelve chars\r\n------------\r\n", kLength},
        {kSubheader, "x\nname ", 2, 7, "x\nname\r\n-----\r\n", kLength},  // the selection's length counts blanks
        {kSubheader, "Title", 0, 5, "Title\r\n-----\r\n", kFixed, nullptr},
        // Without a selection a header underlines the caret's whole line, as wide as the line in the font.
        {kHeader, "Chapter one", 3, 3, "Chapter one\r\n=============\r\n"},
        {kHeader, "a\r\nChapter one\r\nb", 5, 5, "a\r\nChapter one\r\n=============\r\nb"},
        {kSubheader, "ab\ncd", 5, 5, "ab\ncd\r\n----\r\n"},
        // On an empty line, or with an empty text, HeaderLenInt characters at the caret.
        {kHeader, "a\r\n\r\nb", 3, 3, "a\r\n" + forty + "\r\nb"},
        {kHeader, "", 0, 0, forty},
        {MarkupCommand::Line, "ab", 1, 1, "a* * *\r\nb"},
        {MarkupCommand::Line, "", 0, 0, "* * *\r\n"},
        {MarkupCommand::Line, "a b", 0, 3, "a b"},  // a line rule replaces no selection
        {kBold, "ab", 1, 1, "ab"},
        {MarkupCommand::WebLink, "ab", 1, 1, "ab", kExtent, "http://x.com"},
    };
    for (const Case& c : cases) {
        MarkupRequest request;
        request.command = c.command;
        request.text = c.text;
        request.selection = {c.start, c.end};
        if (c.clipboard) request.clipboardText = c.clipboard;
        request.header = Rule(c.kind, c.kind == kFixed ? 5 : kDefaultHeaderLength);
        const MarkupEdit edit = PlanMarkup(request);
        EXPECT_TRUE(edit.handled) << c.text;
        EXPECT_EQ(Applied(c.text, edit), c.after) << static_cast<int>(c.command) << " on " << c.text;
    }
}

TEST(MarkupTest, ASelectionOfAThousandCharactersOrOneOutsideTheTextChangesNothing)
{
    const std::string thousand(1000, 'x');
    for (int id = 29697; id <= 29704; ++id) {
        MarkupRequest request;
        request.command = *MarkupCommandFromId(id);
        request.text = thousand;
        request.clipboardText = "http://x.com";
        request.header = Rule(kLength);
        request.selection = {0, 1000};
        MarkupEdit edit = PlanMarkup(request);
        EXPECT_FALSE(edit.handled) << id;
        EXPECT_FALSE(edit.replacement) << id;
        request.selection = {1, 1000};  // 999 characters still take it
        EXPECT_TRUE(PlanMarkup(request).handled) << id;
        request.text = "abc";
        for (TextSpan outside : {TextSpan{1, 10}, TextSpan{4, 4}, TextSpan{10, 2}}) {
            request.selection = outside;
            edit = PlanMarkup(request);
            EXPECT_FALSE(edit.handled) << id;
            EXPECT_FALSE(edit.replacement) << id;
        }
    }
    // A caret in a line of 1,000 characters: the header would underline the whole line, so it does nothing.
    MarkupRequest header;
    header.command = kHeader;
    header.text = thousand;
    header.selection = {10, 10};
    header.header = Rule(kLength);
    EXPECT_FALSE(PlanMarkup(header).replacement);
    EXPECT_FALSE(MarkupCommandFromId(29696));
    EXPECT_FALSE(MarkupCommandFromId(29705));
}

TEST(MarkupTest, HeaderUnderlineLengths)
{
    const std::string longText(400, 'w');
    struct Case {
        std::string text;
        std::size_t length;
        HeaderBarLength kind;
        int fixed;
        char unit;
        std::size_t expected;
    } cases[] = {
        {"ab", 2, kExtent, 40, '=', 3},          // 14 units of text: three "=" of 6 reach it
        {"ab", 2, kExtent, 40, '-', 4},          // four "-" of 4
        {"a", 1, kExtent, 40, '=', 2},           // 7 units: one "=" falls short
        {"", 0, kExtent, 40, '=', 0},            // nothing to reach
        {longText, 400, kExtent, 40, '=', 260},  // never past 260
        {"ab  ", 4, kLength, 40, '-', 4},       {longText, 400, kLength, 40, '=', 260}, {"ab", 2, kFixed, 40, '=', 40},
        {"ab", 2, kFixed, 5000, '=', 260},      {"ab", 2, kFixed, -3, '=', 0},
    };
    for (const Case& c : cases) {
        const std::string run = HeaderUnderline(c.text, c.unit, c.length, Rule(c.kind, c.fixed));
        EXPECT_EQ(run, std::string(c.expected, c.unit)) << c.text.size() << " " << static_cast<int>(c.kind);
    }
    EXPECT_EQ(HeaderBarLengthFromSetting("TextExtent"), kExtent);
    EXPECT_EQ(HeaderBarLengthFromSetting("textlength"), kLength);
    EXPECT_EQ(HeaderBarLengthFromSetting("Fixed"), kFixed);
    EXPECT_EQ(HeaderBarLengthFromSetting(""), kFixed);
}

TEST(MarkupTest, LineAroundTheCaret)
{
    struct Case {
        std::string text;
        std::size_t caret, start, end;
    } cases[] = {
        {"abc", 1, 0, 3}, {"a\r\nbc\r\nd", 4, 3, 5}, {"a\r\nbc", 3, 3, 5}, {"a\r\n", 3, 3, 3}, {"a\nb", 1, 0, 1},
        {"", 0, 0, 0},    {"ab", 9, 0, 2},
    };
    for (const Case& c : cases) {
        const TextSpan line = LineAround(c.text, c.caret);
        EXPECT_EQ(line.start, c.start) << c.text << " " << c.caret;
        EXPECT_EQ(line.end, c.end) << c.text << " " << c.caret;
    }
}

TEST(WordCountTest, PunctuationRunsAreNoWords)
{
    struct Case {
        const char* text;
        std::size_t words;
    } cases[] = {
        {"one - two -- three", 3}, {"", 0},
        {" \t\r\n ", 0},           {"a\tb\rc\nd", 4},
        {"**bold** *", 1},         {"* * *\r\n=====", 0},
        {"3.14 --a-- ...", 2},     {"caf\xE9 na\xEFve", 2},  // letters beyond ASCII are no punctuation
        {"word,word;word", 1},
    };
    for (const Case& c : cases) EXPECT_EQ(CountWords(c.text), c.words) << c.text;
}

TEST(InsertedLinksTest, DroppedAddressesBecomeLinks)
{
    struct Case {
        const char* text;
        bool httpsAsLink;
        const char* inserted;
    } cases[] = {
        {"http://example.com/a", false, "[ example.com/a ]( http://example.com/a )"},
        {"HTTP://X.ORG", false, "[ X.ORG ]( HTTP://X.ORG )"},
        {"https://x.org", false, "https://x.org"},
        {"https://x.org", true, "[ x.org ]( https://x.org )"},
        {"http:local", false, "[ local ]( http:local )"},
        {"ftp://x.org", true, "ftp://x.org"},
        {"some text", true, "some text"},
    };
    for (const Case& c : cases) EXPECT_EQ(DroppedTextInsertion(c.text, c.httpsAsLink), c.inserted) << c.text;
}

TEST(InsertedLinksTest, ImageLinksFollowTheLinkType)
{
    EXPECT_EQ(ImageLinkText("a.png", "Wiki"), "[$ imgs\\a.png $]");
    EXPECT_EQ(ImageLinkText("a.png", "wiki"), "[$ imgs\\a.png $]");
    EXPECT_EQ(ImageLinkText("a.png", "Markdown"), "![ a.png ](imgs/a.png)");
    EXPECT_EQ(ImageLinkText("a b.png", ""), "![ a b.png ](imgs/a b.png)");
}

}  // namespace
}  // namespace pw
