#include "shell/placement.h"

#include <gtest/gtest.h>

#include "settings/settings_store.h"

namespace pw {
namespace {

constexpr ScreenFacts kScreen{1280, 800, 40};
constexpr long kShowDefault = 10;

TEST(PlacementTest, TextHoldsTheTenNumbersInOrder)
{
    PlacementRecord p{2, 3, -1, -1, -8, -8, 10, 20, 1010, 720};
    EXPECT_EQ(WindowPositionText(p), "2,3,-1,-1,-8,-8,10,20,1010,720");
}

TEST(PlacementTest, JustShowsWhenThereIsNothingUsable)
{
    const char* values[] = {
        "",                           // missing
        "0,1,-1,-1,-1,-1,10,10,0,0",  // right and bottom 0, not maximised
        "0,1,-1,-1,-1,-1,10,10",      // too few numbers
    };
    for (const char* value : values) {
        RestoreDecision d = DecideRestore(SplitCommaList(value), kScreen, kShowDefault);
        EXPECT_TRUE(d.justShow) << value;
    }
    EXPECT_TRUE(DecideRestore({"", "1", "0", "0", "0", "0", "1", "1", "5", "5"}, kScreen, kShowDefault).justShow);
}

TEST(PlacementTest, ZeroRightEdgeBecomes150)
{
    RestoreDecision d = DecideRestore(SplitCommaList("0,1,-1,-1,-1,-1,10,10,0,500"), kScreen, kShowDefault);
    ASSERT_FALSE(d.justShow);
    EXPECT_EQ(d.placement.showCommand, kShowDefault);
    EXPECT_EQ(d.placement.left, 10);
    EXPECT_EQ(d.placement.top, 10);
    EXPECT_EQ(d.placement.right, 150);
    EXPECT_EQ(d.placement.bottom, 500);
}

TEST(PlacementTest, MaximisedRestoresEvenWithAnEmptyRectangle)
{
    RestoreDecision d = DecideRestore(SplitCommaList("2,3,-1,-1,-8,-8,0,0,0,0"), kScreen, kShowDefault);
    ASSERT_FALSE(d.justShow);
    EXPECT_EQ(d.placement.flags, 2);
    EXPECT_EQ(d.placement.showCommand, kShowMaximized);
    EXPECT_EQ(d.placement.minimizedX, 0);
    EXPECT_EQ(d.placement.minimizedY, 0);
    EXPECT_EQ(d.placement.maximizedX, -8);
    EXPECT_EQ(d.placement.maximizedY, -8);
    EXPECT_EQ(d.placement.right, 150);
    EXPECT_EQ(d.placement.bottom, 150);
}

TEST(PlacementTest, EdgesAreClampedToTheScreen)
{
    struct Case {
        const char* value;
        long left, top, right, bottom;
    } cases[] = {
        {"0,1,0,0,0,0,100,50,900,600", 100, 50, 900, 600},
        {"0,1,0,0,0,0,-5,-7,900,600", 0, 0, 900, 600},          // negative starts go to 0
        {"0,1,0,0,0,0,1281,801,900,600", 0, 0, 900, 600},       // starts off the screen go to 0
        {"0,1,0,0,0,0,1280,800,900,600", 1280, 800, 900, 600},  // the screen edge itself is kept
        {"0,1,0,0,0,0,0,0,5000,5000", 0, 0, 1280, 760},         // ends beyond the screen, taskbar excluded
        {"0,1,0,0,0,0,0,0,-1,-1", 0, 0, 1280, 760},             // negative ends become the limit
        {"0,1,0,0,0,0,0,0,99999999999999999999,0", 0, 0, 1280, 150},
    };
    for (const Case& c : cases) {
        RestoreDecision d = DecideRestore(SplitCommaList(c.value), kScreen, kShowDefault);
        ASSERT_FALSE(d.justShow) << c.value;
        EXPECT_EQ(d.placement.left, c.left) << c.value;
        EXPECT_EQ(d.placement.top, c.top) << c.value;
        EXPECT_EQ(d.placement.right, c.right) << c.value;
        EXPECT_EQ(d.placement.bottom, c.bottom) << c.value;
    }
}

TEST(PlacementTest, WrittenTextRestoresTheSamePlace)
{
    PlacementRecord p{0, 1, 0, 0, -1, -1, 30, 40, 1030, 740};
    const std::string text = WindowPositionText(p);
    EXPECT_EQ(text, "0,1,0,0,-1,-1,30,40,1030,740");
    RestoreDecision d = DecideRestore(SplitCommaList(text), kScreen, 1);
    ASSERT_FALSE(d.justShow);
    EXPECT_EQ(WindowPositionText(d.placement), "0,1,0,0,-1,-1,30,40,1030,740");
}

}  // namespace
}  // namespace pw
