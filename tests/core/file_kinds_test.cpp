#include "library/file_kinds.h"

#include <gtest/gtest.h>

#include "library/viewers.h"

namespace pw {
namespace {

TEST(FileKindsTest, IconClassFirstHitWins)
{
    ExtraExtensions extras;
    extras.text = {"nfo"};
    extras.web = {".jsx", ".md"};
    ViewerTable table = BuildViewerTable(extras);
    const ExtensionList& textEdit = table.viewers[kTextViewer].editList;
    const ExtensionList& webView = table.viewers[kWebViewer].viewList;
    struct Case {
        const char* name;
        FileKindIcon icon;
    } cases[] = {
        {"a.txt", FileKindIcon::Text},       {"A.TXT", FileKindIcon::Text},        {"note.md", FileKindIcon::Text},
        {"x.fw", FileKindIcon::Text},        {"p.JPG", FileKindIcon::Image},       {"p.tga", FileKindIcon::Image},
        {"page.html", FileKindIcon::Web},    {"s.svg", FileKindIcon::Web},         {"a.7z", FileKindIcon::Compressed},
        {"a.crx", FileKindIcon::Compressed}, {"t.csv", FileKindIcon::Csv},         {"readme.nfo", FileKindIcon::Text},
        {"app.jsx", FileKindIcon::Web},      {"doc.pdf", FileKindIcon::Other},     {"noext", FileKindIcon::Other},
        {"a.tsv", FileKindIcon::Other},      {"dir.d\\file", FileKindIcon::Other},
    };
    for (const Case& c : cases) EXPECT_EQ(FileKindOf(c.name, textEdit, webView), c.icon) << c.name;
}

TEST(FileKindsTest, FilterViews)
{
    ExtraExtensions extras;
    extras.text = {"nfo"};
    extras.web = {"jsx"};
    ViewerTable table = BuildViewerTable(extras);
    const ExtensionList& textEdit = table.viewers[kTextViewer].editList;
    const ExtensionList& webView = table.viewers[kWebViewer].viewList;
    struct Case {
        int command;
        const char* name;
        bool passes;
    } cases[] = {
        {kFilterAllFiles, "a.pdf", true},
        {0, "a.pdf", true},
        {999, "a.pdf", true},
        {kFilterTextFiles, "a.TXT", true},
        {kFilterTextFiles, "a.nfo", true},
        {kFilterTextFiles, "a.png", false},
        {kFilterTextFiles, "a.css", true},
        {kFilterImageFiles, "a.bmp", true},
        {kFilterImageFiles, "a.txt", false},
        {kFilterSpreadsheetFiles, "t.CSV", true},
        {kFilterSpreadsheetFiles, "t.tsv", false},
        {kFilterCompressedFiles, "a.zip", true},
        {kFilterCompressedFiles, "a.rar", false},
        {kFilterInternetFiles, "a.svg", true},
        {kFilterInternetFiles, "a.jsx", true},
        {kFilterInternetFiles, "a.jpg", true},
        {kFilterInternetFiles, "a.txt", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PassesFilterView(c.command, c.name, textEdit, webView), c.passes) << c.command << " " << c.name;
    }
}

TEST(FileKindsTest, HiddenAndOwnEntries)
{
    HiddenEntryRules hideAll{true, true, true};
    HiddenEntryRules showOwn{true, false, true};     // FwHideFiles off, View toggle on
    HiddenEntryRules toggleOff{true, false, false};  // FwHideFiles off, View toggle off
    HiddenEntryRules showHidden{false, false, true};
    struct Case {
        DirectoryEntry entry;
        HiddenEntryRules rules;
        bool listed;
    } cases[] = {
        {{".", true, false}, showHidden, false},
        {{"..", true, false}, showHidden, false},
        {{".git", true, false}, hideAll, false},
        {{".profile", false, false}, hideAll, false},
        {{".profile", false, false}, showHidden, true},
        {{"secret", false, true}, hideAll, false},
        {{"secret", false, true}, showHidden, true},
        {{"imgs", true, false}, hideAll, false},
        {{"IMGS", true, false}, toggleOff, false},
        {{"imgs", true, false}, showOwn, true},
        {{"imgs", false, false}, hideAll, true},  // a file named imgs is not an own entry
        {{"notes.txt.fw", false, false}, toggleOff, false},
        {{"notes.txt.FW", false, false}, showOwn, true},
        {{"x.fw", true, false}, hideAll, true},     // a folder ending in .fw is not an own entry
        {{".fw", false, false}, showHidden, true},  // not longer than the suffix: only the dot rule hides it
        {{".fw", false, false}, hideAll, false},
        {{"notes.txt", false, false}, hideAll, true},
    };
    for (const Case& c : cases) EXPECT_EQ(IsListedEntry(c.entry, c.rules), c.listed) << c.entry.name;
    EXPECT_TRUE(OwnEntriesHidden(hideAll));
    EXPECT_TRUE(OwnEntriesHidden(toggleOff));
    EXPECT_FALSE(OwnEntriesHidden(showOwn));
}

}  // namespace
}  // namespace pw
