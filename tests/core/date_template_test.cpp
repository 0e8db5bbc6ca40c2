#include "multibar/date_template.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "memory_files.h"

namespace pw {
namespace {

// Monday 7 December 2026 at several clock times, and a few other days.
constexpr CivilTime At(int hour, int minute, int second = 0)
{
    return {2026, 12, 7, hour, minute, second};
}
constexpr CivilTime kAfternoon = At(14, 5, 9);
constexpr CivilTime kMorning = {2005, 3, 17, 9, 7, 3};  // a Thursday
constexpr CivilTime kSunday = {2026, 3, 1, 10, 0, 0};
constexpr CivilTime kMarchAfternoon = {2026, 3, 7, 15, 5, 0};

struct ExpandCase {
    std::string dateTemplate;
    CivilTime time;
    std::string expected;
};

TEST(DateTemplateTest, ExpandsEveryTokenInItsOrder)
{
    const std::string x255(255, 'x');
    const ExpandCase cases[] = {
        // Every token alone.
        {"yyyy", kAfternoon, "2026"},
        {"yy", kMorning, "05"},
        {"MMMM", kAfternoon, "December"},
        {"MMM", kAfternoon, "Dec"},
        {"MM", kMorning, "03"},
        {"M", kMorning, "3"},
        {"dddd", kAfternoon, "Monday"},
        {"ddd", kMorning, "Thu"},
        {"dd", kAfternoon, "07"},
        {"d", kAfternoon, "7"},
        {"HH", kMorning, "09"},
        {"H", kMorning, "9"},
        {"hh", kAfternoon, "02"},
        {"h", kAfternoon, "2"},
        {"mm", kMorning, "07"},
        {"m", kMorning, "7"},
        {"ss", kMorning, "03"},
        {"s", kMorning, "3"},
        {"tt", kMorning, "AM"},
        {"t", kAfternoon, "P"},
        // The 12-hour hour: midnight gives 0, noon stays 12, 13 gives 1.
        {"hh:h|H", At(0, 5), "00:0|0"},
        {"hh:mmtt", At(0, 5), "00:05AM"},
        {"hh:mmtt", At(12, 30), "12:30PM"},
        {"hh:mmtt", At(13, 5), "01:05PM"},
        // The examples users write.
        {"dddd, d MMMM yyyy", kAfternoon, "Monday, 7 December 2026"},
        {"yyyy-MM-dd-", kMorning, "2005-03-17-"},
        {"ddd d MMM yy HH:mm:ss", kMorning, "Thu 17 Mar 05 09:07:03"},
        // No quoting: token letters inside words are replaced, in the table's order.
        {"Date: yyyy", kAfternoon, "DaPe: 2026"},
        {"Date: yyyy", kMorning, "DaAe: 2005"},
        {"Month", kAfternoon, "12onP2"},
        {"MMMMM", kMorning, "March3"},
        // Names go in last: the letters of "Sunday", "March" and "AM" are not taken for tokens.
        {"dddd", kSunday, "Sunday"},
        {"MMMM tt", kMarchAfternoon, "March PM"},
        {"dddd MMMM", kMarchAfternoon, "Saturday March"},
        // Plain text and nothing stay.
        {"", kAfternoon, ""},
        {"#!", kAfternoon, "#!"},
        // At most 259 characters: the template is cut, and a replacement that would reach 260 is not made
        // (neither that occurrence nor the later ones of its token).
        {std::string(300, '#'), kAfternoon, std::string(259, '#')},
        {x255 + "d d", At(1, 0) /* day 7 */, x255 + "7 7"},
        {x255 + "d d", {2026, 12, 17, 1, 0, 0}, x255 + "17 d"},
        {x255 + "dddd", kAfternoon, x255 + "Mon$"},
        {std::string(256, '#') + "MMMM", kAfternoon, std::string(256, '#') + "Dec"},
    };
    for (const ExpandCase& c : cases) {
        const std::string text = ExpandDateTemplate(c.dateTemplate, c.time);
        EXPECT_EQ(text, c.expected) << "template: " << c.dateTemplate;
        EXPECT_LE(text.size(), kMaxDateText);
    }
}

TEST(DateTemplateTest, DayOfWeekFollowsTheCalendar)
{
    EXPECT_EQ(DayOfWeek({2026, 12, 7}), 1);  // Monday
    EXPECT_EQ(DayOfWeek({2000, 2, 29}), 2);  // Tuesday of a leap day
    EXPECT_EQ(DayOfWeek({1900, 3, 1}), 4);   // Thursday after a century without leap day
    EXPECT_EQ(DayOfWeek({2026, 13, 1}), -1);
}

struct BuiltInCase {
    DateTarget target;
    bool withTime;
    CivilTime time;
    std::string expected;
};

TEST(DateTemplateTest, BuiltInPasteFormats)
{
    const BuiltInCase cases[] = {
        {DateTarget::Multibar, false, At(0, 30), "2026Dec07"},
        {DateTarget::Multibar, true, At(0, 30), "2026Dec07.0030"},
        {DateTarget::Multibar, true, At(12, 30), "2026Dec07.1230"},
        {DateTarget::Multibar, true, At(14, 5), "2026Dec07.1405"},
        {DateTarget::SheetCell, false, At(14, 5), "2026 12 07"},
        {DateTarget::SheetCell, true, At(0, 30), "2026 Dec 07 00:30"},
        {DateTarget::SheetCell, true, At(14, 5), "2026 Dec 07 14:05"},
        // The note's clock face: midnight and noon both give 12, the text ends with a blank.
        {DateTarget::Note, false, At(0, 30), "12:30 AM 12/7/2026 "},
        {DateTarget::Note, false, At(12, 30), "12:30 PM 12/7/2026 "},
        {DateTarget::Note, false, At(14, 5), "2:05 PM 12/7/2026 "},
        {DateTarget::Note, true, At(14, 5), "2:05 PM 12/7/2026 "},
    };
    for (const BuiltInCase& c : cases) {
        EXPECT_EQ(BuiltInDateText(c.target, c.withTime, c.time), c.expected)
            << static_cast<int>(c.target) << " at " << c.time.hour << ":" << c.time.minute;
    }
}

class DateSettingsTest : public ::testing::Test {
protected:
    void Load(const std::string& text)
    {
        files.files[kIni] = text;
        store.Load(kIni);
    }
    std::string Paste(DateTarget target, const std::string& folder = kRoot)
    {
        return PasteDateText(target, store, folder, kRoot, kAfternoon);
    }

    static constexpr const char* kIni = "C:\\pw\\pagewick.ini";
    static constexpr const char* kRoot = "D:\\notes";
    test::MemoryFiles files;
    SettingsStore store{files};
};

TEST_F(DateSettingsTest, TemplatesAndSwitchesChooseThePastedText)
{
    Load("");
    EXPECT_EQ(Paste(DateTarget::Multibar), "2026Dec07");
    EXPECT_EQ(Paste(DateTarget::SheetCell), "2026 12 07");
    Load("[General]\r\nMultibarPasteTimeWithDate=yes\r\nSSEditPasteTimeWithDate=1\r\nNoteDateTemplate=d.M.yy\r\n");
    EXPECT_EQ(Paste(DateTarget::Multibar), "2026Dec07.1405");
    EXPECT_EQ(Paste(DateTarget::SheetCell), "2026 Dec 07 14:05");
    EXPECT_EQ(Paste(DateTarget::Note), "7.12.26");
    Load("[General]\r\nMultibarDateTemplate=yyyy/MM\r\nSpreadsheetDateTemplate=dd\r\n");
    EXPECT_EQ(Paste(DateTarget::Multibar), "2026/12");
    EXPECT_EQ(Paste(DateTarget::SheetCell), "07");
}

TEST_F(DateSettingsTest, AFolderTemplateHoldsForThatFolderOnly)
{
    Load("[General]\r\nNoteDateTemplate=yyyy\r\n");
    files.files["D:\\notes\\work\\pagewick.fw"] = "[General]\r\nNoteDateTemplate=HH:mm\r\n";
    EXPECT_EQ(Paste(DateTarget::Note, "D:\\notes\\work"), "14:05");
    EXPECT_EQ(Paste(DateTarget::Note, "D:\\notes\\home"), "2026");
    // A folder that sets the key empty gets the built-in text, not the store's template.
    files.files["D:\\notes\\empty\\pagewick.fw"] = "[General]\r\nNoteDateTemplate=\r\n";
    EXPECT_EQ(Paste(DateTarget::Note, "D:\\notes\\empty"), "2:05 PM 12/7/2026 ");
}

// Images in a set of names; rename refuses an existing target as the system does.
class ImageDateTest : public DateSettingsTest {
protected:
    DatedImageResult Prepend(std::string& path, std::string& name)
    {
        return PrependDateToImage(path, name, store, kRoot, kRoot, kAfternoon, fileSystem);
    }

    std::set<std::string> images;
    ImageFileSystem fileSystem{[this](const std::string& path) { return images.count(path) != 0; },
                               [this](const std::string& from, const std::string& to) {
                                   if (images.count(to) != 0 || images.erase(from) == 0) return false;
                                   images.insert(to);
                                   return true;
                               }};
};

TEST_F(ImageDateTest, OnlyExactlyOneSwitchesTheDateOn)
{
    for (const char* value : {"", "yes", "on", "true", "0"}) {
        Load(std::string("[General]\r\nImagePrependDate=") + value + "\r\n");
        std::string path = "D:\\notes\\imgs\\Image_001.png";
        std::string name = "Image_001.png";
        images = {path};
        EXPECT_EQ(Prepend(path, name), DatedImageResult::Off) << value;
        EXPECT_EQ(name, "Image_001.png");
        EXPECT_EQ(images, std::set<std::string>{path});
    }
}

TEST_F(ImageDateTest, RenamesToAFreeDatedName)
{
    Load("[General]\r\nImagePrependDate=1\r\n");
    std::string path = "D:\\notes\\imgs\\Image_001.png";
    std::string name = "Image_001.png";
    images = {path};
    EXPECT_EQ(Prepend(path, name), DatedImageResult::Renamed);
    EXPECT_EQ(path, "D:\\notes\\imgs\\2026-12-07-Image_001.png");
    EXPECT_EQ(name, "2026-12-07-Image_001.png");
    EXPECT_EQ(images, std::set<std::string>{path});

    // The dated name is taken: counting goes on from the number after the first "_".
    std::string second = "D:\\notes\\imgs\\Image_001.png";
    std::string secondName = "Image_001.png";
    images.insert(second);
    EXPECT_EQ(Prepend(second, secondName), DatedImageResult::Renamed);
    EXPECT_EQ(secondName, "2026-12-07-Image_002.png");

    // A name with "/" gets the date after its last "/", and the path turns "/" into "\".
    Load("[General]\r\nImagePrependDate=1\r\nPrependDateTemplate=[yyyyMMdd]\r\n");
    std::string nested = "D:\\notes\\imgs\\pic.png";
    std::string nestedName = "sub/pic.png";
    images.insert(nested);
    EXPECT_EQ(Prepend(nested, nestedName), DatedImageResult::Renamed);
    EXPECT_EQ(nested, "D:\\notes\\imgs\\sub\\[20261207]pic.png");
    EXPECT_EQ(nestedName, "[20261207]pic.png");
}

TEST_F(ImageDateTest, NeverReplacesAnImageAndKeepsTheNameWhenNoneIsFree)
{
    Load("[General]\r\nImagePrependDate=1\r\n");
    const std::string original = "D:\\notes\\imgs\\shot.png";
    images = {original, "D:\\notes\\imgs\\2026-12-07-shot.png"};
    for (int n = 1; n <= 99; ++n) {
        char name[64];
        std::snprintf(name, sizeof name, "D:\\notes\\imgs\\2026-12-07-shot_%03d.png", n);
        images.insert(name);
    }
    const std::set<std::string> before = images;
    std::string path = original;
    std::string name = "shot.png";
    EXPECT_EQ(Prepend(path, name), DatedImageResult::NoFreeName);
    EXPECT_EQ(path, original);
    EXPECT_EQ(name, "shot.png");
    EXPECT_EQ(images, before);
}

TEST_F(ImageDateTest, ADatedPathThatWouldNotFitIsRefused)
{
    Load("[General]\r\nImagePrependDate=1\r\n");
    std::string path = "D:\\" + std::string(240, 'f') + "\\shot.png";
    std::string name = "shot.png";
    images = {path};
    const std::string original = path;
    EXPECT_EQ(Prepend(path, name), DatedImageResult::TooLong);
    EXPECT_EQ(path, original);
    EXPECT_EQ(name, "shot.png");
    EXPECT_EQ(images.count(original), 1u);
}

TEST_F(ImageDateTest, AFailedRenameKeepsTheName)
{
    Load("[General]\r\nImagePrependDate=1\r\n");
    std::string path = "D:\\notes\\imgs\\gone.png";  // not in the set: the rename fails
    std::string name = "gone.png";
    EXPECT_EQ(Prepend(path, name), DatedImageResult::RenameFailed);
    EXPECT_EQ(path, "D:\\notes\\imgs\\gone.png");
    EXPECT_EQ(name, "gone.png");
}

}  // namespace
}  // namespace pw
