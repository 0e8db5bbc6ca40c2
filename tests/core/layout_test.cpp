#include "shell/layout.h"

#include <gtest/gtest.h>

namespace pw {
namespace {

void ExpectRect(const PaneRect& r, int left, int top, int width, int height)
{
    EXPECT_EQ(r.left, left);
    EXPECT_EQ(r.top, top);
    EXPECT_EQ(r.width, width);
    EXPECT_EQ(r.height, height);
}

TEST(LayoutTest, WorkedExampleWithStatusBar)
{
    PaneRects r = ComputeLayout(1000, 700, 200, 20);
    EXPECT_EQ(r.half, 315);
    ExpectRect(r.caption, 802, 32, 200, 15);
    ExpectRect(r.folderPane, 802, 47, 198, 306);
    ExpectRect(r.filePane, 802, 355, 198, 323);
    ExpectRect(r.documentPane, 0, 34, 797, 644);
    EXPECT_EQ(r.browserObjectWidth, 798);
    EXPECT_EQ(r.browserObjectHeight, 644);
    EXPECT_EQ(r.splitterX, 797);
    ExpectRect(r.messageLine, 2, 681, 778, 17);
    ExpectRect(r.rootList, 800, 2, 200, 200);
    ExpectRect(r.multibar, 99, 6, 592, 20);
    EXPECT_EQ(r.documentAreaWidth, 800);
    EXPECT_EQ(r.spacer303Width, 602);
    EXPECT_EQ(r.spacer304Width, 200);
}

TEST(LayoutTest, WithoutStatusBarTheDocumentIsTallerAndHalfDropsTheRemainder)
{
    PaneRects r = ComputeLayout(1000, 700, 200, kNoStatusBarHeight);
    EXPECT_EQ(r.documentPane.height, 700 - 34);
    EXPECT_EQ(r.browserObjectHeight, 700 - 34);
    EXPECT_EQ(r.half, 326);  // (700 + 2 - 49) / 2 = 326.5
    EXPECT_EQ(r.folderPane.height, 317);
    EXPECT_EQ(r.filePane.top, 366);
}

TEST(LayoutTest, SplitterHitZoneIsTheTwoPixelsRightOfIt)
{
    struct Case {
        int mouseX;
        bool over;
    } cases[] = {{797, false}, {798, true}, {799, true}, {800, false}, {500, false}};
    for (const Case& c : cases) EXPECT_EQ(IsOverSplitter(c.mouseX, 797), c.over) << c.mouseX;
    EXPECT_EQ(SplitterFromMouse(803), 800);
}

TEST(LayoutTest, SplitterReleaseKeepsFirstColumnsAtLeastAsWideAsFor200)
{
    struct Case {
        int splitterX;
        int listWidth;
        int firstColumn;
    } cases[] = {
        {880, 120, 200 - 17 - 2},  // narrow lists keep their columns
        {800, 200, 200 - 17 - 2},
        {700, 300, 300 - 17 - 2},
        {1010, -10, 200 - 17 - 2},  // no lower bound on the list itself
    };
    for (const Case& c : cases) {
        SplitterResult r = ReleaseSplitter(1000, c.splitterX, 17);
        EXPECT_EQ(r.listWidth, c.listWidth) << c.splitterX;
        EXPECT_EQ(r.firstColumnWidth, c.firstColumn) << c.splitterX;
    }
    EXPECT_EQ(ListColumnWidth(200), 180);
}

}  // namespace
}  // namespace pw
