// The back stack and the recent notes as data: what enters, what is dropped, and the log lines.
#include "library/history.h"

#include <string>

#include <gtest/gtest.h>

namespace pw {
namespace {

PlaceRecord Place(const std::string& file, const std::string& folder = "", const std::string& root = "C:\\notes")
{
    PlaceRecord p;
    p.inUse = 1;
    p.rootPath = root;
    p.folderPath = root;
    p.selectedFolder = folder;
    p.file = file;
    return p;
}

std::string Files(const BackStack& stack)
{
    std::string text;
    for (const PlaceRecord& p : stack.Entries()) text += p.file + " ";
    return text;
}

std::string RecentFiles(const PlaceSlots& slots)
{
    std::string text;
    for (int n = 0; n < kRecentSlotCount; ++n) text += slots[n].file + ",";
    return text;
}

TEST(BackStackTest, PushesOnceAPlaceAndPopsNewestFirst)
{
    BackStack stack;
    EXPECT_EQ(stack.Push(Place("")), BackStack::PushResult::Ignored);
    EXPECT_EQ(stack.Push(Place("a.txt")), BackStack::PushResult::Pushed);
    // The same root, folder path and file is the same place whatever the case and the selected folder.
    EXPECT_EQ(stack.Push(Place("A.TXT", "work", "c:\\NOTES")), BackStack::PushResult::AlreadyNewest);
    EXPECT_EQ(stack.Push(Place("b.txt")), BackStack::PushResult::Pushed);
    EXPECT_EQ(stack.Push(Place("a.txt")), BackStack::PushResult::Pushed);  // only the newest entry counts
    EXPECT_EQ(Files(stack), "a.txt b.txt a.txt ");

    PlaceRecord p;
    for (const char* expected : {"a.txt", "b.txt", "a.txt"}) {
        ASSERT_TRUE(stack.Pop(p));
        EXPECT_EQ(p.file, expected);
    }
    EXPECT_FALSE(stack.Pop(p));
}

TEST(BackStackTest, KeepsTheNewest22Places)
{
    BackStack stack;
    for (int i = 1; i <= 30; ++i) stack.Push(Place(std::to_string(i) + ".txt"));
    ASSERT_EQ(stack.Entries().size(), 22u);
    EXPECT_EQ(stack.Entries().front().file, "9.txt");
    EXPECT_EQ(stack.Entries().back().file, "30.txt");
}

TEST(BackStackTest, LogLinesNameTheFourFields)
{
    const PlaceRecord p = Place("a.txt", "work");
    EXPECT_EQ(PushLogText(p, false), "PUSH root:'C:\\notes' path:'C:\\notes' folder:'work' file:'a.txt'\n");
    EXPECT_EQ(PushLogText(p, true),
              "PUSH root LAST ROOT (not added again):'C:\\notes' path:'C:\\notes' folder:'work' file:'a.txt'\n");
    EXPECT_EQ(PopLogText(p), "POP root:'C:\\notes' path:'C:\\notes' folder:'work' file:'a.txt'\n");
}

TEST(RecentNotesTest, NewestFirstTheEleventhDropsTheOldest)
{
    PlaceSlots slots;
    PlaceRecord last;
    for (int i = 1; i <= 11; ++i) EXPECT_TRUE(RecordRecentPlace(slots, last, Place(std::to_string(i) + ".txt")));
    EXPECT_EQ(RecentFiles(slots), "11.txt,10.txt,9.txt,8.txt,7.txt,6.txt,5.txt,4.txt,3.txt,2.txt,");
}

TEST(RecentNotesTest, AListedFileKeepsItsPosition)
{
    PlaceSlots slots;
    PlaceRecord last;
    for (const char* name : {"a.txt", "b.txt", "c.txt"}) RecordRecentPlace(slots, last, Place(name));
    // Another folder's a.txt is the same name: it stays where it is.
    EXPECT_FALSE(RecordRecentPlace(slots, last, Place("A.txt", "work")));
    EXPECT_EQ(RecentFiles(slots), "c.txt,b.txt,a.txt,,,,,,,,");
}

TEST(RecentNotesTest, RefusesWhatIsNoNoteOfTheList)
{
    PlaceSlots slots;
    PlaceRecord last;
    slots[kFirstPerpetualSlot + 1] = Place("today.txt");
    slots[kHelpSlot] = Place("1_help.txt");
    struct Case {
        const char* name;
        PlaceRecord place;
    };
    for (const Case& c : {Case{"no file", Place("")}, Case{"unsaved note", Place("$NEW$UNSAVED$")},
                          Case{"perpetual note", Place("today.txt")}, Case{"help note", Place("1_HELP.txt")}})
        EXPECT_FALSE(RecordRecentPlace(slots, last, c.place)) << c.name;
    EXPECT_EQ(RecentFiles(slots), ",,,,,,,,,,");
    EXPECT_TRUE(RecentMenuItems(slots).empty());
}

TEST(RecentNotesTest, MenuItemsNewestFirstWithTheirCommands)
{
    PlaceSlots slots;
    PlaceRecord last;
    for (const char* name : {"a.txt", "Tom & Jerry.txt"}) RecordRecentPlace(slots, last, Place(name));
    const std::vector<SlotMenuItem> items = RecentMenuItems(slots);
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0].command, 6001);
    EXPECT_EQ(items[0].text, "Tom && Jerry.txt");  // a single "&" would underline the next letter instead
    EXPECT_EQ(items[1].command, 6002);
    EXPECT_EQ(items[1].text, "a.txt");
}

}  // namespace
}  // namespace pw
