#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>

#include "render/hard_breaks.h"
#include "render/image_page.h"
#include "render/markdown_html.h"
#include "render/page.h"
#include "render/view_page.h"

namespace {

std::string ReadFixture(const std::string& name)
{
    std::ifstream in(std::filesystem::path(PW_TEST_DATA) / "render" / name, std::ios::binary);
    EXPECT_TRUE(in.good()) << name;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::size_t CountOf(const std::string& text, const std::string& what)
{
    std::size_t count = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + what.size())) ++count;
    return count;
}

class MemoryFiles : public pw::FileAccess {
public:
    std::map<std::string, std::string> files;
    std::optional<std::string> ReadFile(const std::string& path) override
    {
        auto it = files.find(path);
        if (it == files.end()) return std::nullopt;
        return it->second;
    }
    bool ReplaceWhole(const std::string& path, std::string_view bytes) override
    {
        files[path] = std::string(bytes);
        return true;
    }
    bool FileExists(const std::string& path) override { return files.count(path) != 0; }
};

const pw::PageContext kNoteContext{"C:\\notes\\note.md", "C:\\notes", ""};
const std::string kNoteHead =
    "<html>\n<head>\n<title>note.md</title>\n<base href=\"file://C:\\notes\\\">\n"
    "</head><body>\n";

}  // namespace

TEST(SundownRender, ExtensionsAndRendererFlags)
{
    struct Case {
        const char* input;
        const char* expected;
    } cases[] = {
        {"~~gone~~\n", "<p><del>gone</del></p>\n"},
        // Tables, fenced code and autolinks stay off.
        {"|a|b|\n|-|-|\n|1|2|\n", "<p>|a|b|\n|-|-|\n|1|2|</p>\n"},
        {"```\ncode\n```\n", "<p><code>\ncode\n</code></p>\n"},
        {"see http://x.org/ now\n", "<p>see http://x.org/ now</p>\n"},
        // No XHTML flag: bare <br> and <hr>; raw HTML passes through untouched.
        {"a  \nb\n", "<p>a<br>\nb</p>\n"},
        {"***\n", "<hr>\n"},
        {"<div>x & y</div>\n", "<div>x & y</div>\n"},
        {"# Title\n", "<h1>Title</h1>\n"},
        {"", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(pw::RenderMarkdown(c.input), c.expected) << c.input;
}

// Block tags without a closing tag are remembered per text instead of rescanned; the results stay the
// library's own.
TEST(SundownRender, HtmlBlocks)
{
    struct Case {
        const char* input;
        const char* expected;
    } cases[] = {
        {"<table>\nA\n\n<table>\nB\n\n", "<p><table>\nA</p>\n\n<p><table>\nB</p>\n"},
        {"<div>\n<div>x</div>\n\ntext\n", "<div>\n<div>x</div>\n\n<p>text</p>\n"},
        {"<table><tr><td>a</td></tr>\n</table><br/>\n<table><tr><td>b</td></tr>\n</table>\n\nend\n",
         "<table><tr><td>a</td></tr>\n</table><br/>\n<table><tr><td>b</td></tr>\n</table>\n\n<p>end</p>\n"},
        {"<div>\n\n> <div>q</div>\n\n<div>z</div>\n\n", "<div>\n\n> <div>q</div>\n\n<div>z</div>\n"},
    };
    for (const Case& c : cases) EXPECT_EQ(pw::RenderMarkdown(c.input), c.expected) << c.input;
}

TEST(SundownRender, NestingIsBoundedAndNulBytesAreSafe)
{
    std::string deep(200, '>');
    deep += " x\n";
    std::string html = pw::RenderMarkdown(deep);
    // The library counts the depth from its outermost buffer: 16 levels of nesting, 17 quotes at most.
    EXPECT_LE(CountOf(html, "<blockquote>"), 17u);

    std::string brackets(5000, '[');
    EXPECT_FALSE(pw::RenderMarkdown(brackets).empty());
    EXPECT_FALSE(pw::RenderMarkdown(std::string("a\0b\n", 4)).empty());
}

// sundown drops output past 16 MB without a word; long notes go through in pieces and keep every character.
TEST(SundownRender, LongNotesLoseNothing)
{
    const std::size_t quotes = 3 * 1024 * 1024;  // 6 bytes each once escaped: 18 MB of output
    std::string html = pw::RenderMarkdown(std::string(quotes, '"'));
    EXPECT_EQ(CountOf(html, "&quot;"), quotes);

    std::string paragraphs;
    for (int i = 0; i < 200000; ++i) paragraphs += "para " + std::to_string(i) + "\n\n";
    html = pw::RenderMarkdown(paragraphs);
    EXPECT_EQ(CountOf(html, "<p>para "), 200000u);
    EXPECT_NE(html.find("<p>para 199999</p>\n"), std::string::npos);
}

TEST(SundownRender, PieceEnds)
{
    struct Case {
        std::string text;
        std::size_t max;
        std::size_t expected;
    } cases[] = {
        {"short", 10, 5},
        {"aa\n\nbb\n\ncc", 9, 8},             // after the last blank line within reach
        {"aa\n\nbb\n\n  cc", 10, 4},          // an indented line may continue a list: earlier break
        {"aaaa\nbbbb\ncccc", 12, 10},         // no blank line: after the last line end
        {"aaaaaaaaaa", 4, 4},                 // no line end at all
        {"a\xC3\xA9\xC3\xA9\xC3\xA9", 4, 3},  // never inside a UTF-8 character
    };
    for (const Case& c : cases) EXPECT_EQ(pw::MarkdownPieceEnd(c.text, c.max), c.expected) << c.text;
}

TEST(MarkdownHardBreaks, LineRules)
{
    struct Case {
        const char* input;
        const char* expected;
    } cases[] = {
        {"a\nb\n", "a  \nb  \n"},
        {"\n", "  \n"},
        {"last", "last"},  // no line end: nothing to turn into a break
        {"---\n", "---\n"},
        {"===\n", "===\n"},
        {"=\n", "=\n"},
        {"==x\n", "==x  \n"},
        {"- item\n", "- item\n"},
        {"   + item\n", "   + item\n"},
        {"* item\n", "* item\n"},
        {"*em*\n", "*em*\n"},
        {"**bold**\n", "**bold**  \n"},
        {"\t- tabbed\n", "\t- tabbed  \n"},
        {"x<br/>\n", "x<br/>"},
        {"a\nb", "a  \nb"},
    };
    for (const Case& c : cases) EXPECT_EQ(pw::MarkdownHardBreaks(c.input), c.expected) << c.input;
}

TEST(MarkdownHardBreaks, LongLinesArriveInPieces)
{
    const std::string head(pw::kHardBreakLineMax, 'a');
    EXPECT_EQ(pw::MarkdownHardBreaks(head + "bc\n"), head + "bc  \n");
    // The second piece is judged on its own: here it looks like a list item.
    EXPECT_EQ(pw::MarkdownHardBreaks(head + "- x\n"), head + "- x\n");
    EXPECT_EQ(pw::MarkdownHardBreaks(head + "\n"), head + "  \n");
}

TEST(MarkdownExtensions, ListBuilding)
{
    using List = pw::StringList;
    struct Case {
        List extra;
        List expected;
    } cases[] = {
        {{}, {".md", ".markdown"}},
        {{"txt", "text"}, {".md", ".markdown", ".txt", ".text"}},
        {{".MD", "md", "", ".txt", "txt"}, {".md", ".markdown", ".txt"}},
        {{" txt"}, {".md", ".markdown", ". txt"}},  // items are not trimmed
    };
    for (const Case& c : cases) EXPECT_EQ(pw::MarkdownExtensionList(c.extra), c.expected);

    List many;
    for (int i = 0; i < 300; ++i) many.push_back("e" + std::to_string(i));
    EXPECT_EQ(pw::MarkdownExtensionList(many).size(), 260u);
}

TEST(MarkdownExtensions, ViewDecisions)
{
    using pw::ViewKind;
    const pw::StringList plain = pw::MarkdownExtensionList({});
    const pw::StringList extra = pw::MarkdownExtensionList({"txt", "text"});
    const pw::RenderSettings defaults;
    pw::RenderSettings changed;
    changed.preMarkdown = false;
    changed.doPreWiki = false;
    changed.wikiDoMarkdown = true;
    struct Case {
        const char* name;
        const pw::StringList& list;
        const pw::RenderSettings& settings;
        ViewKind kind;
        pw::RenderFlags flags;
    } cases[] = {
        {"notes.MD", plain, defaults, ViewKind::Rendered, {true, true, true}},
        {"C:\\n\\notes.markdown", plain, defaults, ViewKind::Rendered, {true, true, true}},
        {"notes.md", plain, changed, ViewKind::Rendered, {true, false, false}},
        {"a.txt", plain, defaults, ViewKind::ShownDirectly, {false, false, true}},
        {"a.txt", extra, defaults, ViewKind::Rendered, {true, true, true}},
        {"b.TEXT", extra, defaults, ViewKind::Rendered, {true, true, true}},
        {"x.wki", plain, defaults, ViewKind::Rendered, {false, true, true}},
        {"x.WIKI", plain, changed, ViewKind::Rendered, {true, true, false}},
        {"pic.PNG", plain, defaults, ViewKind::ImagePage, {false, false, true}},
        {"page.html", plain, defaults, ViewKind::ShownDirectly, {false, false, true}},
        {"README", plain, defaults, ViewKind::ShownDirectly, {false, false, true}},
        {"dir.md\\README", plain, defaults, ViewKind::ShownDirectly, {false, false, true}},
    };
    for (const Case& c : cases) {
        const pw::ViewDecision d = pw::RenderFlagsFor(c.name, c.list, c.settings);
        EXPECT_EQ(d.kind, c.kind) << c.name;
        EXPECT_EQ(d.flags.markdown, c.flags.markdown) << c.name;
        EXPECT_EQ(d.flags.wiki, c.flags.wiki) << c.name;
        EXPECT_EQ(d.flags.hardBreaks, c.flags.hardBreaks) << c.name;
    }
}

TEST(PageAssembly, Head)
{
    struct Case {
        pw::PageContext context;
        std::string expected;
    } cases[] = {
        {kNoteContext, kNoteHead},
        {{"C:\\notes\\a b.wki", "", ""}, "<html>\n<head>\n<title>a b.wki</title>\n</head><body>\n"},
        {{"a.md", "C:\\n", "C:\\Pagewick\\support\\dark.css"},
         "<html>\n<head>\n<title>a.md</title>\n<base href=\"file://C:\\n\\\">\n"
         "<link rel=\"stylesheet\" href=\"file://C:\\Pagewick\\support\\dark.css\" type=\"text/css\">\n"
         "</head><body>\n"},
    };
    for (const Case& c : cases) EXPECT_EQ(pw::PageHead(c.context), c.expected);
    EXPECT_EQ(pw::kPageTail, "</body></html>\n");
}

// Paths are written into attributes: a quote of the attribute's own kind becomes an entity.
TEST(PageAssembly, HeadPathsStayInsideTheirAttribute)
{
    const pw::PageContext context{"C:\\n\\a.md", "C:\\we\"ird", "C:\\P\\support\\x\".css"};
    EXPECT_EQ(pw::PageHead(context),
              "<html>\n<head>\n<title>a.md</title>\n<base href=\"file://C:\\we&quot;ird\\\">\n"
              "<link rel=\"stylesheet\" href=\"file://C:\\P\\support\\x&quot;.css\" type=\"text/css\">\n"
              "</head><body>\n");
    // An apostrophe is at home in a double-quoted attribute.
    const pw::PageContext apostrophe{"C:\\n\\a.md", "C:\\Bob's", ""};
    EXPECT_EQ(pw::PageHead(apostrophe),
              "<html>\n<head>\n<title>a.md</title>\n<base href=\"file://C:\\Bob's\\\">\n</head><body>\n");
}

TEST(PageAssembly, StyleSheetChoice)
{
    EXPECT_EQ(pw::StyleSheetPath("C:\\Pagewick\\", "markup.css"), "C:\\Pagewick\\support\\markup.css");
    EXPECT_EQ(pw::StyleSheetPath("C:\\Pagewick", "dark.css"), "C:\\Pagewick\\support\\dark.css");
    EXPECT_EQ(pw::StyleSheetPath(std::string(250, 'p'), "markup.css"), "");

    EXPECT_EQ(pw::CurrentStyleSheet("", "markup.css"), "markup.css");
    EXPECT_EQ(pw::CurrentStyleSheet("dark.css", "markup.css"), "dark.css");
    EXPECT_TRUE(pw::ImagePageUsesStyleSheet(true, "dark.css"));
    EXPECT_FALSE(pw::ImagePageUsesStyleSheet(true, "Markup.CSS"));
    EXPECT_FALSE(pw::ImagePageUsesStyleSheet(false, "dark.css"));
}

TEST(PageAssembly, FourWaysOfRendering)
{
    const std::string note = ReadFixture("note.txt");
    struct Case {
        pw::RenderFlags flags;
        const char* expectedFile;
    } cases[] = {
        {{true, false, true}, "markdown_only.html"},
        {{true, true, true}, "wiki_markdown.html"},
        {{false, true, true}, "wiki_only.html"},
        {{true, true, false}, "wiki_note_markdown.html"},
    };
    for (const Case& c : cases) {
        const std::string expected = kNoteHead + ReadFixture(c.expectedFile) + "</body></html>\n";
        EXPECT_EQ(pw::RenderPage(note, c.flags, kNoteContext), expected) << c.expectedFile;
        // A note saved with CR LF line ends renders the same.
        std::string crlf;
        for (char ch : note) crlf += ch == '\n' ? std::string("\r\n") : std::string(1, ch);
        EXPECT_EQ(pw::RenderPage(crlf, c.flags, kNoteContext), expected) << c.expectedFile;
    }
}

TEST(PageAssembly, EmptyNoteAndNoFlags)
{
    const std::string empty = kNoteHead + "</body></html>\n";
    EXPECT_EQ(pw::RenderPage("", {true, true, true}, kNoteContext), empty);
    EXPECT_EQ(pw::RenderPage("text\n", {false, false, false}, kNoteContext), empty);
}

TEST(ImagePages, Templates)
{
    EXPECT_EQ(pw::PlainImagePage("C:\\n\\imgs\\a.png"),
              "<html><head><title>image</title><style> img {max-width: expression(document.body.clientWidth)}"
              "</style></head><body><center><table ><td ><img src='C:\\n\\imgs\\a.png'></td></table></center>"
              "</body></html>");
    EXPECT_EQ(pw::SizedImagePage(800, 5, 17, "C:\\a.png"),
              "<html><head><title>image</title><style> img{width: expression(this.width > 773 ? 773: true);} "
              "table {position:absolute; top:5px; left:5px;}</style></head><body><table border='0' "
              "cellpadding='0' cellspacing='0' width='773'><td width='100%' align='center'><img "
              "src='C:\\a.png'></td></table></body></html>");
    EXPECT_EQ(pw::StyledImagePage("<head>", "C:\\a.png"),
              "<head><table id='imgtable'><td><img src='C:\\a.png'></td></table></body></html>");
}

// The image templates quote the source with apostrophes: one in the file name becomes "&#39;".
TEST(ImagePages, ApostropheInFileName)
{
    const std::string src = "src='C:\\n\\it&#39;s \"q\".png'";
    const std::string pages[] = {
        pw::PlainImagePage("C:\\n\\it's \"q\".png"),
        pw::SizedImagePage(800, 5, 17, "C:\\n\\it's \"q\".png"),
        pw::StyledImagePage("<head>", "C:\\n\\it's \"q\".png"),
    };
    for (const std::string& page : pages) {
        EXPECT_NE(page.find("<img " + src + "></td>"), std::string::npos) << page;
    }
}

// What the command-line tool prints: the same call with settings read from an INI file.
TEST(ViewPageText, FollowsTheSettingsFile)
{
    MemoryFiles files;
    files.files["C:\\P\\pagewick.ini"] =
        "[General]\r\nMarkdownExtraExtensions=txt\r\nMarkdownDoPreWiki=no\r\nMarkdownPreMarkdown=0\r\n"
        "ImageUseCSS=yes\r\n";
    pw::SettingsStore store(files);
    store.Load("C:\\P\\pagewick.ini");

    pw::ViewPageInput note{"C:\\n\\a.txt", "[x]\nline\n", "C:\\n", "", "markup.css"};
    EXPECT_EQ(pw::ViewPageText(note, store),
              "<html>\n<head>\n<title>a.txt</title>\n<base href=\"file://C:\\n\\\">\n</head><body>\n"
              "<p>[x]\nline</p>\n</body></html>\n");

    pw::ViewPageInput image{"C:\\n\\p.png", "PNG", "C:\\n", "C:\\P\\support\\dark.css", "dark.css"};
    EXPECT_EQ(pw::ViewPageText(image, store),
              "<html>\n<head>\n<title>p.png</title>\n<base href=\"file://C:\\n\\\">\n"
              "<link rel=\"stylesheet\" href=\"file://C:\\P\\support\\dark.css\" type=\"text/css\">\n"
              "</head><body>\n<table id='imgtable'><td><img src='C:\\n\\p.png'></td></table></body></html>");
    image.styleSheetName = "markup.css";
    EXPECT_EQ(pw::ViewPageText(image, store),
              "<html><head><title>image</title><style> img {max-width: expression(document.body.clientWidth)}"
              "</style></head><body><center><table ><td ><img src='C:\\n\\p.png'></td></table></center></body></html>");

    pw::ViewPageInput html{"C:\\n\\page.html", "<b>as is</b>", "C:\\n", "", "markup.css"};
    EXPECT_EQ(pw::ViewPageText(html, store), "<b>as is</b>");

    pw::SettingsStore defaults(files);
    pw::ViewPageInput wiki{"C:\\n\\w.wki", "+ T\nx\n", "", "", "markup.css"};
    EXPECT_EQ(pw::ViewPageText(wiki, defaults),
              "<html>\n<head>\n<title>w.wki</title>\n</head><body>\n# T\nx<br/>\n</body></html>\n");
}
