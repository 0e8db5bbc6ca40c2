#include "multibar/keywords.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "sheet/new_sheet.h"

namespace pw {
namespace {

TEST(KeywordsTest, SplitDropsEmptyItemsAndKeepsBlanks)
{
    struct Case {
        std::string value;
        KeywordList list;
    } cases[] = {
        {"", {}},
        {"urgent", {"urgent"}},
        {"a,b", {"a", "b"}},
        {",,a,,,b,", {"a", "b"}},
        {" a , b", {" a ", " b"}},
        {"a,A", {"a", "A"}},
    };
    for (const Case& c : cases) EXPECT_EQ(SplitKeywords(c.value), c.list) << c.value;
}

TEST(KeywordsTest, SplitReadsAt519CharactersAndCutsLongItems)
{
    const KeywordList cut = SplitKeywords(std::string(300, 'k') + "," + std::string(300, 'm'));
    ASSERT_EQ(cut.size(), 2u);
    EXPECT_EQ(cut[0], std::string(258, 'k'));
    EXPECT_EQ(cut[1], std::string(519 - 301, 'm'));
    std::string many;
    for (int i = 0; i < 300; ++i) many += "a,";
    EXPECT_EQ(SplitKeywords(many).size(), 259u);
}

TEST(KeywordsTest, JoinUsesCommasAndNoLineBreakSurvives)
{
    EXPECT_EQ(JoinKeywords({}), "");
    EXPECT_EQ(JoinKeywords({"urgent"}), "urgent");
    EXPECT_EQ(JoinKeywords({"a", "b b", "a"}), "a,b b,a");
    EXPECT_EQ(JoinKeywords({"x\r\n[General]\r\nkeywords=evil"}), "x  [General]  keywords=evil");
    EXPECT_EQ(SplitKeywords(JoinKeywords({"one", "two"})), (KeywordList{"one", "two"}));
}

TEST(KeywordsTest, MatchingIsWholeEntriesWithoutRegardToCase)
{
    const KeywordList list = {"Urgent", "home work"};
    EXPECT_TRUE(HasKeyword(list, "urgent"));
    EXPECT_TRUE(HasKeyword(list, "HOME WORK"));
    EXPECT_FALSE(HasKeyword(list, "urg"));
    EXPECT_FALSE(HasKeyword(list, "home"));
}

TEST(NewSheetTest, NamesAndContent)
{
    std::vector<std::string> taken;
    auto exists = [&](const std::string& name) { return std::find(taken.begin(), taken.end(), name) != taken.end(); };
    EXPECT_EQ(NewSheetName("budget.csv", exists), "budget.csv");
    EXPECT_EQ(NewSheetName("Budget.CSV", exists), "Budget.csv");
    EXPECT_EQ(NewSheetName("", exists), "New Spreadsheet.csv");
    taken = {"budget.csv", "budget_1.csv"};
    EXPECT_EQ(NewSheetName("budget.csv", exists), "budget_2.csv");
    const std::string row = "\"\",\"\",\"\",\"\",\"\"\r\n";
    EXPECT_EQ(EmptySheetText(), row + row + row + row + row);
}

}  // namespace
}  // namespace pw
