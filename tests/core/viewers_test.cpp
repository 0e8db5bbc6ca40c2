#include "library/viewers.h"

#include <gtest/gtest.h>

#include "settings/settings_store.h"

namespace pw {
namespace {

TEST(ViewersTest, BuiltInTable)
{
    ViewerTable t = BuildViewerTable({});
    EXPECT_EQ(t.viewers[kTextViewer].kind, ViewerKind::Text);
    EXPECT_EQ(t.viewers[kWebViewer].controlId, 208);
    EXPECT_EQ(t.viewers[kSpreadsheetViewer].controlId, 210);
    EXPECT_TRUE(t.viewers[kTextViewer].viewList.empty());
    ASSERT_EQ(t.viewers[kTextViewer].editList.size(), 20u);
    EXPECT_EQ(t.viewers[kTextViewer].editList.front(), ".txt");
    EXPECT_EQ(t.viewers[kTextViewer].editList.back(), ".fw");
    EXPECT_EQ(t.viewers[kWebViewer].viewList.size(), 9u);
    EXPECT_EQ(t.viewers[kSpreadsheetViewer].viewList, ExtensionList{".csv"});
    EXPECT_EQ(t.markdown, (ExtensionList{".md", ".markdown"}));
}

TEST(ViewersTest, ExtraExtensionsAddADotAndNoDuplicates)
{
    struct Case {
        const char* setting;
        ExtensionList added;
    } cases[] = {
        {"md,.log", {}},
        {"nfo,dat", {".nfo", ".dat"}},
        {"NFO,.nfo,,.Txt", {".NFO"}},
        {" x", {". x"}},  // blanks are not trimmed
    };
    for (const Case& c : cases) {
        ExtraExtensions extras;
        extras.text = SplitCommaList(c.setting);
        ExtensionList edit = BuildViewerTable(extras).viewers[kTextViewer].editList;
        ExtensionList added(edit.begin() + 20, edit.end());
        EXPECT_EQ(added, c.added) << c.setting;
    }
}

TEST(ViewersTest, ListsStopAtTheirLimit)
{
    ExtensionList items;
    for (int i = 0; i < 300; ++i) items.push_back("e" + std::to_string(i));
    ExtensionList list;
    AddExtensions(list, items);
    EXPECT_EQ(list.size(), kMaxExtensions);
    EXPECT_EQ(list.back(), ".e259");
    AddExtensions(list, {"more"});
    EXPECT_EQ(list.size(), kMaxExtensions);
}

TEST(ViewersTest, ViewerLookupAndMarkdown)
{
    ExtraExtensions extras;
    extras.spreadsheet = {"tsv"};
    extras.markdown = {"txt", "text"};
    ViewerTable t = BuildViewerTable(extras);
    struct Case {
        const char* name;
        int forView;
        int forEdit;
        bool markdown;
    } cases[] = {
        {"a.md", kWebViewer, kTextViewer, true},         {"notes.MD", kWebViewer, kTextViewer, true},
        {"a.wki", kWebViewer, kTextViewer, false},       {"a.txt", kNoViewer, kTextViewer, true},
        {"b.text", kNoViewer, kNoViewer, true},          {"t.csv", kSpreadsheetViewer, kNoViewer, false},
        {"t.tsv", kSpreadsheetViewer, kNoViewer, false}, {"p.png", kWebViewer, kNoViewer, false},
        {"a.pdf", kNoViewer, kNoViewer, false},          {"noext", kNoViewer, kNoViewer, false},
        {"n.markdown", kNoViewer, kNoViewer, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ViewerForView(t, c.name), c.forView) << c.name;
        EXPECT_EQ(ViewerForEdit(t, c.name), c.forEdit) << c.name;
        EXPECT_EQ(IsMarkdown(t, c.name), c.markdown) << c.name;
    }
}

TEST(ViewersTest, OpenDecision)
{
    ViewerTable t = BuildViewerTable({});
    struct Case {
        OpenMode mode;
        int viewMode;
        const char* name;
        int viewer;
        OpenAction action;
    } cases[] = {
        {OpenMode::Open, kViewMode, "a.md", kWebViewer, OpenAction::Show},
        {OpenMode::Open, kEditMode, "a.md", kTextViewer, OpenAction::LoadAsText},
        {OpenMode::Open, kViewMode, "a.wki", kWebViewer, OpenAction::Show},
        {OpenMode::Open, kViewMode, "a.txt", kTextViewer, OpenAction::LoadAsText},
        {OpenMode::Open, kViewMode, "t.csv", kSpreadsheetViewer, OpenAction::Show},
        {OpenMode::Open, kEditMode, "t.csv", kSpreadsheetViewer, OpenAction::Show},
        {OpenMode::Open, kEditMode, "p.png", kWebViewer, OpenAction::Show},
        {OpenMode::Open, kViewMode, "a.pdf", kNoViewer, OpenAction::NoViewer},
        {OpenMode::Next, kEditMode, "a.pdf", kNoViewer, OpenAction::NoViewer},
        {OpenMode::Activate, kViewMode, "a.pdf", kNoViewer, OpenAction::ShellOpen},
        {OpenMode::Activate, kViewMode, "a.md", kWebViewer, OpenAction::Show},
        {OpenMode::OpenAsText, kViewMode, "p.png", kTextViewer, OpenAction::LoadAsText},
    };
    for (const Case& c : cases) {
        OpenDecision d = DecideOpen(t, c.mode, c.viewMode, c.name);
        EXPECT_EQ(d.viewer, c.viewer) << c.name << " mode " << static_cast<int>(c.mode);
        EXPECT_EQ(d.action, c.action) << c.name << " mode " << static_cast<int>(c.mode);
    }
}

TEST(ViewersTest, OpenTargetStaysWithinTheList)
{
    struct Case {
        OpenMode mode;
        int selected;
        int count;
        int target;
    } cases[] = {
        {OpenMode::Previous, 0, 5, 0}, {OpenMode::Previous, 3, 5, 2}, {OpenMode::Next, 4, 5, 4},
        {OpenMode::Next, 1, 5, 2},     {OpenMode::Open, 2, 5, 2},     {OpenMode::Open, -1, 5, -1},
        {OpenMode::Next, 0, 0, -1},
    };
    for (const Case& c : cases) EXPECT_EQ(OpenTargetIndex(c.mode, c.selected, c.count), c.target);
}

}  // namespace
}  // namespace pw
