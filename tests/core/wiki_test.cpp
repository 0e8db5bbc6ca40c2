#include "render/wiki.h"
#include "render/wiki_engine.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace std::string_literals;

struct LineCase {
    const char* what;
    std::string input;
    bool addLineBreaks;
    std::string expected;
};

void ExpectConversions(const std::vector<LineCase>& cases)
{
    for (const LineCase& c : cases) {
        EXPECT_EQ(pw::WikiConvertDocument(c.input, c.addLineBreaks), c.expected) << c.what;
    }
}

const std::string kNoteAnchorStart = "<a class='fwClass' href=\"";

TEST(WikiLineRules, RulesImagesAndHeaders)
{
    ExpectConversions({
        {"rule of underscores", "___\n", false, "<hr /><br/>\n"},
        {"rule of asterisks", "***\n", false, "<hr /><br/>\n"},
        {"rule of spaced asterisks", "* * *\n", false, "<hr /><br/>\n"},
        {"four underscores are text", "____\n", false, "____\n"},
        {"trailing space is text", "*** \n", false, "*** \n"},
        {"rule without line end is text", "___", false, "___"},
        {"unchanged text gets a break on request", "____\n", true, "____<br/>\n"},
        {"header, no break", "+ Title\n", true, "# Title\n"},
        {"plus at the start of any line", "+1 555\n", false, "#1 555\n"},
        {"level three", "+++ Title\n", false, "### Title\n"},
        {"level six and beyond", "++++++++x\n", false, "######++x\n"},
        {"plus elsewhere stays", "a + b\n", false, "a + b\n"},
        {"image in two repetitions", "[$imgs/a.png$]\n", false, "<img src=\"imgs/a.png\"><br/>\n"},
        {"image is not a link", "[$pic.png$]\n", false, "<img src=\"pic.png\"><br/>\n"},
        {"imgs backslash, no break", "![a](imgs\\b.png)\n", true, "![a](imgs/b.png)\n"},
        {"last rule applied decides the break", "[$x$] ](imgs\\y\n", false, "<img src=\"x\"> ](imgs/y\n"},
    });
}

TEST(WikiLinks, DoubleBracket)
{
    ExpectConversions({
        {"note link", "[[Shopping List][the list]]\n", false,
         kNoteAnchorStart + "fw:Shopping%20List\">the list</a><br/>\n"},
        {"web link has no class", "[[http://example.com/x][site]]\n", false,
         "<a href=\"http://example.com/x\">site</a><br/>\n"},
        {"target and label trimmed", "[[ Spaced ][ label ]] after\n", false,
         kNoteAnchorStart + "fw:Spaced\">label</a> after<br/>\n"},
        {"no middle or end: exactly unchanged", "see [[x] only\n", true, "see [[x] only<br/>\n"},
        {"no middle: unchanged", "[[a]] b\n", false, "[[a]] b\n"},
        {"two links", "[[a][b]] [[c][d]]\n", false,
         kNoteAnchorStart + "fw:a\">b</a> " + kNoteAnchorStart + "fw:c\">d</a><br/>\n"},
    });
}

TEST(WikiLinks, SingleBracket)
{
    ExpectConversions({
        {"note link", "[My Note]\n", false, kNoteAnchorStart + "fw:My%20Note\">My Note</a><br/>\n"},
        {"label trimmed", "[ a b ]\n", false, kNoteAnchorStart + "fw:a%20b\">a b</a><br/>\n"},
        {"markdown inline link", "[text](url)\n", false, "[text](url)\n"},
        {"markdown reference definition", "[id]: url\n", false, "[id]: url\n"},
        {"markdown reference link", "[text][id]\n", false, "[text][id]\n"},
        {"escaped bracket keeps backslash", "\\[x]\n", false, "\\[x]\n"},
        {"no closing bracket", "[a\n", false, "[a\n"},
        {"web target", "[http://x.org]\n", false, "<a href=\"http://x.org\">http://x.org</a><br/>\n"},
        {"anchor target", "[#top]\n", false, "<a href=\"#top\">#top</a><br/>\n"},
        {"file target", "[file:c:/a]\n", false, "<a href=\"file:c:/a\">file:c:/a</a><br/>\n"},
        {"two links", "[a] [b]\n", false,
         kNoteAnchorStart + "fw:a\">a</a> " + kNoteAnchorStart + "fw:b\">b</a><br/>\n"},
        {"block opener after bracket", "x [|y]\n", false, "x <pre>y]<br/>\n"},
        {"empty brackets", "[]\n", false, kNoteAnchorStart + "fw:\"></a><br/>\n"},
    });
}

// A target is written into a double-quoted attribute: its double quotes become "&quot;" so that it cannot end
// the attribute early; everything else, apostrophes and ampersands included, stays as written.
TEST(WikiLinks, TargetsStayInsideTheirAttribute)
{
    ExpectConversions({
        {"double-bracket target", "[[http://x\" onmouseover=\"alert(1)][l]]\n", false,
         "<a href=\"http://x&quot; onmouseover=&quot;alert(1)\">l</a><br/>\n"},
        {"note target", "[[a\"b][l]]\n", false, kNoteAnchorStart + "fw:a&quot;b\">l</a><br/>\n"},
        {"single-bracket label", "[say \"hi\"]\n", false,
         kNoteAnchorStart + "fw:say%20&quot;hi&quot;\">say \"hi\"</a><br/>\n"},
        {"bare address", "see http://x/\"y z\n", false, "see <a href=\"http://x/&quot;y\">http://x/\"y</a> z<br/>\n"},
        {"image source", "[$a\" onerror=\"b.png$]\n", false, "<img src=\"a&quot; onerror=&quot;b.png\"><br/>\n"},
        {"image without its closing marker", "[$a\"b\n", false, "<img src=\"a&quot;b<br/>\n"},
        {"image opener inside an image source", "[$a [$b$]\n", false, "<img src=\"a &#91;$b\"><br/>\n"},
        {"image with an apostrophe", "[$imgs/it's.png$]\n", false, "<img src=\"imgs/it's.png\"><br/>\n"},
        {"ordinary query string", "[[http://x.org/?a=1&b='2'][q]]\n", false,
         "<a href=\"http://x.org/?a=1&b='2'\">q</a><br/>\n"},
        {"two images", "[$a.png$] [$b.png$]\n", false, "<img src=\"a.png\"> <img src=\"b.png\"><br/>\n"},
        {"stray closing marker", "x$] [$a$]\n", false, "x\"> <img src=\"a\"><br/>\n"},
    });
}

TEST(WikiLinks, BareAddresses)
{
    ExpectConversions({
        {"followed by text", "see http://x.com now\n", false,
         "see <a href=\"http://x.com\">http://x.com</a> now<br/>\n"},
        {"ends the line", "see http://x.com\n", true, "see <a href=\"http://x.com\">http://x.com</a><br />"},
        {"only the first of two", "http://a.b c http://d.e f\n", false,
         "<a href=\"http://a.b\">http://a.b</a> c http://d.e f<br/>\n"},
        {"after markup", "x>http://a b\n", false, "x>http://a b\n"},
        {"after equals and quote", "a=\"http://x.com\" y\n", false, "a=\"http://x.com\" y\n"},
        {"https", "https://s.org x\n", false, "<a href=\"https://s.org\">https://s.org</a> x<br/>\n"},
        {"last line without end", "http://x.com", false, "http://x.com"},
        {"escaped bracket first", "\\[x] http://a.b c\n", false,
         "\\[x] <a href=\"http://a.b\">http://a.b</a> c<br/>\n"},
        {"unescaped bracket stops the search", "[x](y) http://a.b c\n", false, "[x](y) http://a.b c\n"},
        {"space then line end", "http://a \n", false, "<a href=\"http://a\">http://a</a> <br/>\n"},
    });
}

TEST(WikiEmphasis, Markers)
{
    ExpectConversions({
        {"italics", "a =b= c\n", false, "a <i>b</i> c<br/>\n"},
        {"line start gains a space", "=b=\n", false, " <i>b</i><br/>\n"},
        {"doubled marker never opens", "a ==b== c\n", false, "a ==b== c\n"},
        {"end of file without line end", "=b=", false, "=b="},
        {"space closing wins over comma", "x =a=, y= z\n", false, "x <i>a=, y</i> z<br/>\n"},
        {"comma closes", "x =a=, y\n", false, "x <i>a</i>, y<br/>\n"},
        {"underline", "a _u_ b\n", false, "a <u>u</u> b<br/>\n"},
        {"both markers", "a =b= and _c_.\n", false, "a <i>b</i> and <u>c</u>.<br/>\n"},
        {"no closing marker", "a =b\n", false, "a =b\n"},
        {"inner underscores", "snake_case_name here\n", false, "snake_case_name here\n"},
    });
}

TEST(WikiLineBreaks, AppendLineBreak)
{
    struct Case {
        std::string line;
        pw::BreakStyle style;
        std::string expected;
    };
    const Case cases[] = {
        {"x\n", pw::BreakStyle::Html, "x<br/>\n"},
        {"x\n", pw::BreakStyle::Markdown, "x  \n"},
        {"x\r", pw::BreakStyle::Markdown, "x  \n"},
        {"x\r\n", pw::BreakStyle::Html, "x\r<br/>\n"},
        {"x", pw::BreakStyle::Html, "x"},
        {"", pw::BreakStyle::Html, ""},
        {"\n", pw::BreakStyle::Html, "<br/>\n"},
        {"<br/>\n", pw::BreakStyle::Html, "<br/><br/>\n"},
        {"x<br/>\n", pw::BreakStyle::Markdown, "x<br/>"},
    };
    for (const Case& c : cases) {
        std::string line = c.line;
        pw::AppendLineBreak(line, c.style);
        EXPECT_EQ(line, c.expected) << c.line;
    }
}

TEST(WikiLineBreaks, UnchangedLines)
{
    ExpectConversions({
        {"plain kept", "plain\n", false, "plain\n"},
        {"plain with break", "plain\n", true, "plain<br/>\n"},
        {"empty line", "\n", true, "<br/>\n"},
        {"a bare break gains another", "<br/>\n", true, "<br/><br/>\n"},
        {"text ending in a break loses its end", "x<br/>\n", true, "x<br/>"},
        {"carriage return only at the end", "a\rb\r", true, "a\rb<br/>\n"},
        {"empty document", "", true, ""},
    });
}

TEST(WikiLinkHref, Targets)
{
    struct Case {
        std::string target, href;
    };
    const std::string name253(253, 'a');
    const Case cases[] = {
        {"Shopping List", "fw:Shopping%20List"},
        {"  My Note  ", "fw:My%20Note"},
        {"a  b", "fw:a%20%20b"},
        {"", "fw:"},
        {"http://x.com/a b", "http://x.com/a b"},
        {" HTTP://X ", " HTTP://X "},
        {"file:c:/a", "file:c:/a"},
        {"#top", "#top"},
        {"www.x.org", "www.x.org"},
        {"mailto:a@b.c", "mailto:a@b.c"},
        {"???find", "???find"},
        {"http://" + std::string(300, 'x'), ("http://" + std::string(300, 'x')).substr(0, 259)},
        {std::string(300, 'n'), "fw:" + std::string(259, 'n')},
        // Spaces become %20 only while the name stays within 259 characters.
        {name253 + " b c", "fw:" + name253 + "%20b c"},
        // Only the first 1023 characters are looked at, then trimmed.
        {"Note" + std::string(2000, ' ') + "x", "fw:Note"},
    };
    for (const Case& c : cases) EXPECT_EQ(pw::WikiLinkHref(c.target), c.href) << c.target;
}

TEST(WikiLinkHref, WebAddresses)
{
    struct Case {
        const char* text;
        bool web;
    };
    const Case cases[] = {{"http://a", true},   {"HTTPS://a", true}, {"ftp:x", true},   {"mailto:x", true},
                          {"WWW.x", true},      {"???q", true},      {"file:x", false}, {"htt", false},
                          {" http://a", false}, {"", false}};
    for (const Case& c : cases) EXPECT_EQ(pw::IsWebAddress(c.text), c.web) << c.text;
    EXPECT_STREQ(pw::kUrlPrefixList[5], "???");
}

TEST(WikiBlocks, PreAndCenter)
{
    ExpectConversions({
        {"pre block escapes", "[|\na<b>\n|]\nafter\n", false, "<pre><br/>\na&lt;b&gt;<br/>\n</pre>\n<br/>\nafter\n"},
        {"pre block keeps breaks on request", "[|\nplain\n|]\n", true, "<pre><br/>\nplain<br/>\n</pre>\n<br/>\n"},
        {"no breaks for unchanged lines", "[|\nplain\n|]\n", false, "<pre><br/>\nplain\n</pre>\n<br/>\n"},
        {"no links or emphasis inside", "[|\n[x] =a= http://q r\n|]\n", false,
         "<pre><br/>\n[x] =a= http://q r\n</pre>\n<br/>\n"},
        {"one line is not escaped", "[|a<b|]\n", false, "<pre>a<b</pre>\n<br/>\n"},
        {"center block", "-->\nx<y\n<--\n", false, "<center><br/>\nx&lt;y<br/>\n</center><br/>\n"},
        {"center on one line", "a --> b <-- c\n", false, "a <center> b </center> c<br/>\n"},
        {"first kind wins", "--> [| x\n", false, "--> <pre> x<br/>\n"},
        {"closing before opening", "|] [|\n", false, "</pre>\n <pre><br/>\n"},
        {"raw block drops its markers", "[<\n<b>\n>]\n", false, "<br/>\n&lt;b&gt;<br/>\n<br/>\n"},
        {"brace block", "[{x}] =a=\n", false, "x <i>a</i><br/>\n"},
    });
}

// Inside a block, "<" and ">" are escaped from just after the line's first "<pre>" (else its first "<center>",
// else its start) to its end, so the block's own tag stays markup.
TEST(WikiBlocks, EscapeStartsAfterTheBlockTag)
{
    ExpectConversions({
        {"opening line of a pre block", "[|x<y>\n", false, "<pre>x&lt;y&gt;<br/>\n"},
        {"opening line of a centered block", "-->a<b\n", false, "<center>a&lt;b<br/>\n"},
        {"center tag inside a pre block", "[|\n<center><b>\n", false, "<pre><br/>\n<center>&lt;b&gt;<br/>\n"},
        {"only the first pre tag stays", "[|\na<pre>b<pre>c>\n", false, "<pre><br/>\na<pre>b&lt;pre&gt;c&gt;<br/>\n"},
        {"a pre tag wins over an earlier center tag", "[|\nx<center>y<pre>z<\n", false,
         "<pre><br/>\nx<center>y<pre>z&lt;<br/>\n"},
        {"without a tag from the line start", "[|\n><a\n", false, "<pre><br/>\n&gt;&lt;a<br/>\n"},
        {"nothing to escape", "[|\nplain & simple\n", false, "<pre><br/>\nplain & simple\n"},
    });
}

TEST(WikiBlocks, EndOfTextInsideBlock)
{
    EXPECT_EQ(pw::WikiConvertDocument("[|\nx\n", false), "<pre><br/>\nx\n");
    // The next document starts outside any block.
    EXPECT_EQ(pw::WikiConvertDocument("<a>\n", false), "<a>\n");
}

TEST(WikiTables, Rows)
{
    ExpectConversions({
        {"table then text", "|a|b|\n|c||d|\ntext\n", false,
         "<table><tr><td>a</td><td>b</td></tr>\n\n<tr><td>c</td><td>d</td></tr>\n\n</table><br/>\ntext\n"},
        {"text ending inside a table", "|a|\n", true, "<table><tr><td>a</td></tr>\n\n"},
        {"links and emphasis in cells", "|[x]| =y= |\n", false,
         "<table><tr><td>" + kNoteAnchorStart + "fw:x\">x</a></td><td> <i>y</i> </td></tr>\n\n"},
        {"text after the last bar follows the row", "|a|b\n", false, "<table><tr><td>a</td></tr>\nb\n"},
        {"only bars", "|||\n", false, "<table><tr></tr>\n\n"},
        {"only bars, no line end", "||||", false, "<table><tr></tr>\n"},
        {"long cell cut", "|" + std::string(300, 'a') + "|\n", false,
         "<table><tr><td>" + std::string(258, 'a') + "</td></tr>\n\n"},
        {"table ends before a header", "|a|\n+ T\n", true, "<table><tr><td>a</td></tr>\n\n</table><br/>\n# T\n"},
        {"table ends before a blank line", "|a|\n\n", true, "<table><tr><td>a</td></tr>\n\n</table><br/>\n<br/>\n"},
    });
}

// The last piece of a row is the text after its last "|", even when that is empty: a row on the last line of
// a note, without a line end, keeps all its cells.
TEST(WikiTables, LastRowWithoutLineEnd)
{
    ExpectConversions({
        {"single row", "|a|b|", false, "<table><tr><td>a</td><td>b</td></tr>\n"},
        {"single row with breaks on request", "|a|b|", true, "<table><tr><td>a</td><td>b</td></tr>\n"},
        {"last of two rows", "|a|\n|b|c|", false, "<table><tr><td>a</td></tr>\n\n<tr><td>b</td><td>c</td></tr>\n"},
        {"run of bars at the end", "|a||", false, "<table><tr><td>a</td></tr>\n"},
        {"text after the last bar still follows", "|a|b", false, "<table><tr><td>a</td></tr>\nb"},
        {"one bar", "|", false, "<table><tr></tr>\n"},
        {"cells with links", "|[x]|y|", false,
         "<table><tr><td>" + kNoteAnchorStart + "fw:x\">x</a></td><td>y</td></tr>\n"},
        {"piece cut by the length limit", "|" + std::string(1021, 'x') + "|", false,
         "<table><tr><td>" + std::string(258, 'x') + "</td></tr>\n"},
    });
}

TEST(WikiTables, NewDocumentStartsOutsideTable)
{
    EXPECT_EQ(pw::WikiConvertDocument("|a|\n", false), "<table><tr><td>a</td></tr>\n\n");
    EXPECT_EQ(pw::WikiConvertDocument("|b|\n", false), "<table><tr><td>b</td></tr>\n\n");
}

TEST(WikiTables, ManyPiecesAreCut)
{
    std::string row;
    for (int i = 0; i < 300; ++i) row += "|x";
    std::string out = pw::WikiConvertDocument(row + "|\n", false);
    EXPECT_EQ(out.size(), pw::wiki::kMaxLine);
    EXPECT_EQ(out.substr(0, 21), "<table><tr><td>x</td>");
}

TEST(WikiLimits, PiecesOf1023)
{
    const std::string a1023(1023, 'a');
    ExpectConversions({
        {"long line in pieces", std::string(2000, 'a') + "\n", true, std::string(2000, 'a') + "<br/>\n"},
        {"line end in a piece of its own", a1023 + "\n", true, a1023 + "<br/>\n"},
        {"second piece is a line", a1023 + "+b\n", false, a1023 + "#b\n"},
        {"link split by the piece limit", std::string(1020, 'x') + "[ab]\n", false, std::string(1020, 'x') + "[ab]\n"},
    });
}

TEST(WikiLimits, RewritesAreCut)
{
    // Escaping 1000 "<" would make 4000 characters; the line stops at 1023, cutting the last entity.
    std::string escaped;
    for (int i = 0; i < 255; ++i) escaped += "&lt;";
    escaped += "&lt";
    EXPECT_EQ(pw::WikiConvertDocument("[|\n" + std::string(1000, '<') + "\n", true), "<pre><br/>\n" + escaped);

    const std::string n300(300, 'n'), n259(259, 'n');
    EXPECT_EQ(pw::WikiConvertDocument("[" + n300 + "]\n", false),
              kNoteAnchorStart + "fw:" + n259 + "\">" + n259 + "</a><br/>\n");
    const std::string address = "http://" + std::string(400, 'x');
    EXPECT_EQ(pw::WikiConvertDocument(address + " z\n", false),
              "<a href=\"" + address.substr(0, 259) + "\">" + address.substr(0, 259) + "</a> z<br/>\n");
}

TEST(WikiLimits, MixedEscapesAreCut)
{
    // 512 "<" and 511 ">" alternating in one piece: escaped in order of the text, cut at 1023 characters.
    std::string piece;
    while (piece.size() < pw::wiki::kMaxLine) piece += piece.size() % 2 == 0 ? '<' : '>';
    std::string escaped;
    for (int i = 0; i < 127; ++i) escaped += "&lt;&gt;";
    escaped += "&lt;&gt";
    EXPECT_EQ(pw::WikiConvertDocument("[|\n" + piece + "\n", true), "<pre><br/>\n" + escaped + "<br/>\n");
    // A piece that begins with text keeps it and escapes what follows.
    EXPECT_EQ(pw::WikiConvertDocument("[|\n" + std::string(1020, 'a') + "<<<\n", false),
              "<pre><br/>\n" + std::string(1020, 'a') + "&lt\n");
}

TEST(WikiBounds, HostileBytes)
{
    ExpectConversions({
        {"NUL bytes are data", "a\0[b]\n"s, false, "a\0"s + kNoteAnchorStart + "fw:b\">b</a><br/>\n"},
        {"NUL in a table", "|\0|b|\n"s, false, "<table><tr><td>\0</td><td>b</td></tr>\n\n"s},
        {"invalid UTF-8", "\xff\xfe[\x80]\n", false, "\xff\xfe" + kNoteAnchorStart + "fw:\x80\">\x80</a><br/>\n"},
        {"lone carriage return is a byte", "a\r=b=\r\n", false, "a\r=b=\r\n"},
    });
}

TEST(WikiBounds, NestedBracketsAndHugeLines)
{
    const std::string nested = std::string(50000, '[') + std::string(50000, ']') + "\n";
    EXPECT_EQ(pw::WikiConvertDocument(nested, false), nested);
}

TEST(WikiBounds, TenMegabyteLine)
{
    const std::string huge(10 * 1024 * 1024, 'a');
    EXPECT_EQ(pw::WikiConvertDocument(huge, true), huge);
}

TEST(WikiBounds, BusyPieces)
{
    // Many links and escapes per piece: each piece is bounded by the 1023 limit.
    std::string links;
    for (int i = 0; i < 10000; ++i) links += "[a[b] ";
    std::string out = pw::WikiConvertDocument(links + "\n", true);
    EXPECT_FALSE(out.empty());
    std::string escapes = "[|\n" + std::string(64 * 1024, '<') + "\n";
    out = pw::WikiConvertDocument(escapes, false);
    ASSERT_TRUE(out.ends_with("&lt;<br/>\n"));
    EXPECT_EQ(out.find('<', 11), out.size() - 6);
}

TEST(WikiEngine, RepeatedPassesStop)
{
    // A pass that always claims a change is still stopped by the engine's bound.
    pw::wiki::LineWork work{"x\n", true};
    EXPECT_TRUE(pw::wiki::RepeatPass([](pw::wiki::LineWork& w) { return !w.text.empty(); }, work));
    EXPECT_EQ(work.text, "x\n");
}

}  // namespace
