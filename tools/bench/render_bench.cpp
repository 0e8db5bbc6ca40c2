// Rendering speed: sundown alone against the default Markdown pipeline (wiki pass, hard breaks, sundown, page
// head), over one large generated note and over a folder's worth of short ones, and over one huge line of "<"
// inside a block, which the wiki pass escapes. The pipeline should run at least half as fast as sundown alone.
#include <algorithm>
#include <ctime>
#include <cstdio>
#include <span>
#include <string>
#include <vector>

#include "render/hard_breaks.h"
#include "render/markdown_html.h"
#include "render/page.h"
#include "render/wiki.h"

namespace {

constexpr std::size_t kLargeNoteBytes = 10 * 1024 * 1024;
constexpr int kShortNotes = 10000;
constexpr std::size_t kBlockLineBytes = 4 * 1024 * 1024;
constexpr int kRounds = 5;

// Typical note content: headers, plain lines, wiki links, web addresses, emphasis, lists, a table, a rule.
std::string NoteBlock(int n)
{
    const std::string id = std::to_string(n);
    return "+ Heading " + id + "\n\nA plain line of text with *emphasis* and a [Linked Note " + id +
           "] in it.\nA second line, =italic= words and a link to http://example.org/page" + id +
           " here.\nMarkdown [label](imgs/pic" + id + ".png) and ~~struck~~ text.\n\n- item one\n- item two\n\n" +
           "|cell a|cell b|\n|cell c|cell d|\n\n___\n\n";
}

std::string LargeNote()
{
    std::string text;
    text.reserve(kLargeNoteBytes + 1024);
    for (int n = 0; text.size() < kLargeNoteBytes; ++n) text += NoteBlock(n);
    return text;
}

std::vector<std::string> ShortNotes()
{
    std::vector<std::string> notes;
    notes.reserve(kShortNotes);
    for (int n = 0; n < kShortNotes; ++n) notes.push_back(NoteBlock(n) + NoteBlock(n + 1));
    return notes;
}

// Processor time of this program, not time on the wall clock: on a shared machine the wall clock also counts
// the turns of other programs, which say nothing about this code.
template <typename Work>
double BestSeconds(Work work)
{
    double best = 1e30;
    for (int round = 0; round < kRounds; ++round) {
        const std::clock_t start = std::clock();
        work();
        const double took = static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
        best = std::min(best, took);
    }
    return best;
}

std::size_t g_sink = 0;  // keeps the optimiser from dropping the work

void Report(const char* name, std::size_t bytes, double sundownSeconds, double pipelineSeconds)
{
    const double mb = static_cast<double>(bytes) / (1024.0 * 1024.0);
    const double a = mb / sundownSeconds;
    const double b = mb / pipelineSeconds;
    std::printf("%-22s %8.2f MB  sundown %8.1f MB/s  pipeline %8.1f MB/s  ratio %.2f %s\n", name, mb, a, b, b / a,
                b / a >= 0.5 ? "ok" : "SLOW (goal 0.50)");
}

// Where the pipeline's time goes: the wiki pass, the hard-break step, and sundown on the Markdown those two
// make. That Markdown is longer than the note and full of tags, so sundown alone on it bounds the ratio the
// pipeline can reach.
void ReportStages(std::span<const std::string> notes, double sundownSeconds)
{
    std::vector<std::string> wiki;
    std::vector<std::string> markdown;
    for (const std::string& note : notes) {
        wiki.push_back(pw::WikiConvertDocument(note, false));
        markdown.push_back(pw::MarkdownHardBreaks(wiki.back()));
    }
    const double wikiSeconds = BestSeconds([&] {
        for (const std::string& note : notes) g_sink += pw::WikiConvertDocument(note, false).size();
    });
    const double breakSeconds = BestSeconds([&] {
        for (const std::string& text : wiki) g_sink += pw::MarkdownHardBreaks(text).size();
    });
    const double markdownSeconds = BestSeconds([&] {
        for (const std::string& text : markdown) g_sink += pw::RenderMarkdown(text).size();
    });
    std::printf(
        "%-22s wiki pass %.1f ms, hard breaks %.1f ms, sundown on their Markdown %.1f ms (ratio at most %.2f)\n", "",
        wikiSeconds * 1e3, breakSeconds * 1e3, markdownSeconds * 1e3, sundownSeconds / markdownSeconds);
}

}  // namespace

int main()
{
    const pw::RenderFlags defaults{true, true, true};
    const pw::PageContext context{"C:\\notes\\bench.md", "C:\\notes", "C:\\Pagewick\\support\\markup.css"};

    const std::string large = LargeNote();
    const double largeSundown = BestSeconds([&] { g_sink += pw::RenderMarkdown(large).size(); });
    const double largePipeline = BestSeconds([&] { g_sink += pw::RenderPage(large, defaults, context).size(); });
    Report("one large note", large.size(), largeSundown, largePipeline);
    ReportStages(std::span(&large, 1), largeSundown);

    const std::vector<std::string> notes = ShortNotes();
    std::size_t bytes = 0;
    for (const std::string& note : notes) bytes += note.size();
    const double shortSundown = BestSeconds([&] {
        for (const std::string& note : notes) g_sink += pw::RenderMarkdown(note).size();
    });
    const double shortPipeline = BestSeconds([&] {
        for (const std::string& note : notes) g_sink += pw::RenderPage(note, defaults, context).size();
    });
    Report("10,000 short notes", bytes, shortSundown, shortPipeline);
    ReportStages(notes, shortSundown);

    // One huge line inside a pre block: every "<" of it is escaped, piece by piece.
    const std::string block = "[|\n" + std::string(kBlockLineBytes, '<') + "\n|]\n";
    const double blockSundown = BestSeconds([&] { g_sink += pw::RenderMarkdown(block).size(); });
    const double blockPipeline = BestSeconds([&] { g_sink += pw::RenderPage(block, defaults, context).size(); });
    Report("4 MB line in a block", block.size(), blockSundown, blockPipeline);
    return g_sink == 0 ? 1 : 0;
}
