// Text and path rules shared by every part of the program.
#include <gtest/gtest.h>

#include <string>

#include "settings/text.h"

namespace pw {
namespace {

TEST(SettingsText, NameComparisonsIgnoreCase)
{
    EXPECT_TRUE(EqualsNoCase("AutoSave", "autosave"));
    EXPECT_FALSE(EqualsNoCase("AutoSave", "AutoSaves"));
    EXPECT_TRUE(StartsWithNoCase("[BasicRoots] x", "[basicroots]"));
    EXPECT_FALSE(StartsWithNoCase("[Basic", "[BasicRoots]"));
    EXPECT_TRUE(EndsWithNoCase("note.TXT", ".txt"));
    EXPECT_FALSE(EndsWithNoCase(".txt", ".txt"));  // a name ends with a suffix only when longer than it
    EXPECT_TRUE(ContainsNoCase("Hello World", "WORLD"));
    EXPECT_EQ(FindNoCase("abcABC", "abc", 1), 3u);
    EXPECT_EQ(FindNoCase("abc", "abcd"), std::string::npos);
    EXPECT_EQ(FindNoCase("abc", "a", 9), std::string::npos);
}

TEST(SettingsText, BooleanText)
{
    const struct {
        const char* text;
        bool expected;
    } cases[] = {{"yes", true}, {"Yes", true}, {"ON", true},   {"true", true}, {"TRUE", true}, {"1", true},
                 {"2", false},  {"no", false}, {"off", false}, {"", false},    {"yes ", false}};
    for (const auto& c : cases) EXPECT_EQ(BooleanText(c.text), c.expected) << c.text;
}

TEST(SettingsText, IntegerFromText)
{
    const struct {
        const char* text;
        int expected;
    } cases[] = {{"0", 0},     {"5", 5},  {"-3", -3},
                 {"abc", -1},  {"", -1},  {"00", -1},
                 {"12ab", 12}, {" 7", 7}, {"99999999999", 2147483647}};
    for (const auto& c : cases) EXPECT_EQ(IntegerFromText(c.text), c.expected) << c.text;
    EXPECT_EQ(DecimalPrefix("abc"), 0);
    EXPECT_EQ(IntegerText(-42), "-42");
}

TEST(SettingsText, ThousandsText)
{
    const struct {
        unsigned long long value;
        const char* expected;
    } cases[] = {{0, "0"},
                 {999, "999"},
                 {1000, "1,000"},
                 {123456, "123,456"},
                 {1234567, "1,234,567"},
                 {18446744073709551615ull, "18,446,744,073,709,551,615"}};
    for (const auto& c : cases) EXPECT_EQ(ThousandsText(c.value), c.expected) << c.value;
}

TEST(SettingsText, DateAndTimeTexts)
{
    const struct {
        int hour, minute;
        const char* twelve;
        const char* twentyFour;
    } cases[] = {{0, 5, "12:05am", "00:05"},
                 {11, 59, "11:59am", "11:59"},
                 {12, 30, "12:30pm", "12:30"},
                 {13, 7, "1:07pm", "13:07"},
                 {23, 0, "11:00pm", "23:00"}};
    for (const auto& c : cases) {
        CivilTime t;
        t.hour = c.hour;
        t.minute = c.minute;
        EXPECT_EQ(Time12Text(t), c.twelve);
        EXPECT_EQ(Time24Text(t), c.twentyFour);
    }
    EXPECT_EQ(DateText({2026, 12, 10, 0, 0, 0}), "2026.12.10");
}

TEST(SettingsText, LogLineEndsWithExactlyOneLineFeed)
{
    const CivilTime t{2026, 3, 4, 5, 6, 7};
    EXPECT_EQ(LogLine(t, "PUSH root: C:\\"), "03.04 05:06:07 PUSH root: C:\\\n");
    EXPECT_EQ(LogLine(t, "POP root: D:\\\n"), "03.04 05:06:07 POP root: D:\\\n");
    EXPECT_EQ(LogLine(t, ""), "03.04 05:06:07 \n");
    const std::string line = LogLine(t, std::string(2000, 'x'));
    EXPECT_EQ(line, "03.04 05:06:07 " + std::string(1020, 'x') + "\n");
}

TEST(SettingsText, FormatLimited)
{
    EXPECT_EQ(FormatLimited(259, "%s has %d lines", "a.txt", 3), "a.txt has 3 lines");
    EXPECT_EQ(FormatLimited(5, "%s", "abcdefgh"), "abcde");
    // A format longer than the limit is copied as it is, its directives untouched.
    EXPECT_EQ(FormatLimited(4, "%s%s%s", "a", "b", "c"), "%s%s");
    EXPECT_EQ(FormatLimited(6, "%s%s%s", "a", "b", "c"), "abc");
}

TEST(SettingsText, JoinPath)
{
    const struct {
        const char* folder;
        const char* name;
        const char* expected;
    } cases[] = {{"C:\\notes\\", "a.txt", "C:\\notes\\a.txt"},
                 {"C:\\notes", "a.txt", "C:\\notes\\a.txt"},
                 {"C:\\notes", "\\a.txt", "C:\\notes\\a.txt"},
                 {"C:\\notes", "", "C:\\notes"},
                 {"", "a.txt", "\\a.txt"},
                 {"C:\\notes\\", "\\a.txt", "C:\\notes\\\\a.txt"}};
    for (const auto& c : cases) {
        std::string out;
        EXPECT_TRUE(JoinPath(out, c.folder, c.name));
        EXPECT_EQ(out, c.expected);
    }
}

TEST(SettingsText, JoinPathRefusesResultsThatDoNotFit)
{
    std::string out = "unchanged";
    EXPECT_TRUE(JoinPath(out, std::string(257, 'f'), "n"));  // 257 + "\" + 1 = 259 fits
    EXPECT_EQ(out.size(), 259u);
    out = "unchanged";
    EXPECT_FALSE(JoinPath(out, std::string(258, 'f'), "n"));
    EXPECT_EQ(out, "unchanged");
    EXPECT_FALSE(JoinPath(out, std::string(260, 'f'), ""));
    EXPECT_EQ(out, "unchanged");
}

TEST(SettingsText, PathParts)
{
    const struct {
        const char* path;
        const char* folder;
        const char* name;
        const char* extension;
    } cases[] = {{"C:\\notes\\a.txt", "C:\\notes\\", "a.txt", ".txt"},
                 {"C:\\notes\\", "C:\\notes\\", "", ""},
                 {"a.b.md", "", "a.b.md", ".md"},
                 {"C:x.csv", "C:", "x.csv", ".csv"},
                 {"C:\\v1.2\\readme", "C:\\v1.2\\", "readme", ""},
                 {"d/e/f.wki", "d/e/", "f.wki", ".wki"},
                 {"", "", "", ""}};
    for (const auto& c : cases) {
        EXPECT_EQ(FolderOf(c.path), c.folder) << c.path;
        EXPECT_EQ(FileNameOf(c.path), c.name) << c.path;
        EXPECT_EQ(ExtensionOf(c.path), c.extension) << c.path;
    }
}

TEST(SettingsText, CollapseBackslashes)
{
    const std::string longPath = "C:\\\\" + std::string(300, 'a');
    const struct {
        std::string path;
        std::string expected;
    } cases[] = {{"C:\\\\notes\\\\sub\\a.txt", "C:\\notes\\sub\\a.txt"},
                 {"C:\\notes\\\\\\a.txt", "C:\\notes\\a.txt"},
                 {"\\\\server\\share\\\\x", "\\\\server\\share\\x"},
                 {"\\\\\\server", "\\\\server"},
                 {"", ""},
                 {longPath, longPath}};
    for (const auto& c : cases) EXPECT_EQ(CollapseBackslashes(c.path), c.expected) << c.path;
}

TEST(SettingsText, SetSeparators)
{
    EXPECT_EQ(SetSeparators("C:/notes//sub\\a.txt", '\\'), "C:\\notes\\sub\\a.txt");
    EXPECT_EQ(SetSeparators("C:\\notes\\a.txt", '/'), "C:/notes/a.txt");
    EXPECT_EQ(SetSeparators("", '\\'), "");
    EXPECT_EQ(SetSeparators(std::string(261, 'a'), '\\'), "");
}

TEST(SettingsText, QuotesAndTrimming)
{
    EXPECT_EQ(RemoveQuotes("\"C:\\a b\\x.txt\" -p"), "C:\\a b\\x.txt");
    EXPECT_EQ(RemoveQuotes("say \"hi"), "hi");
    EXPECT_EQ(RemoveQuotes("plain"), "plain");
    EXPECT_EQ(TrimLine("  text  "), "text");
    EXPECT_EQ(TrimLine("  text\n"), "text");
    EXPECT_EQ(TrimLine("text\r\n"), "text\r");  // only one line end goes
    EXPECT_EQ(TrimSpaces("  a b  "), "a b");
    EXPECT_EQ(TrimSpaces("   "), "");
}

TEST(SettingsText, ReplaceFirstAndAll)
{
    std::string text = "a-b-c";
    EXPECT_TRUE(ReplaceFirst(text, "-", "+"));
    EXPECT_EQ(text, "a+b-c");
    EXPECT_FALSE(ReplaceFirst(text, "x", "y"));
    EXPECT_FALSE(ReplaceFirst(text, "", "y"));
    ReplaceAll(text, "-", "+");
    EXPECT_EQ(text, "a+b+c");

    std::string full(258, 'a');
    EXPECT_TRUE(ReplaceFirst(full, "a", "bb"));   // 259 characters still fit
    EXPECT_FALSE(ReplaceFirst(full, "a", "bb"));  // 260 would not
    EXPECT_EQ(full.size(), 259u);

    // A replacement that contains what stops after as many rounds as the text had characters.
    std::string growing = "ab";
    ReplaceAll(growing, "a", "aa");
    EXPECT_EQ(growing, "aaab");
}

TEST(SettingsText, Utf8ToCp1252)
{
    const struct {
        const char* utf8;
        const char* expected;
    } cases[] = {{"plain ascii", "plain ascii"},
                 {"caf\xC3\xA9", "caf\xE9"},
                 {"\xE2\x82\xAC 5", "\x80 5"},                // euro sign
                 {"\xE2\x80\x9Cq\xE2\x80\x9D", "\x93q\x94"},  // curly quotes
                 {"\xC5\xB8", "\x9F"},                        // Y with diaeresis
                 {"\xC2\x81", "\x81"},                        // unassigned byte, kept as its control
                 {"\xC2\x80", "?"},                           // a control the code page replaced
                 {"\xE6\x97\xA5", "?"},                       // not in the code page
                 {"\xF0\x9F\x98\x80", "??"},                  // outside the basic plane: two halves
                 {"a\xFF"
                  "b",
                  "a?b"},        // never a UTF-8 byte
                 {"\xC3", "?"},  // cut short at the end
                 {"\xC3"
                  "A",
                  "?A"},                 // cut short before a plain letter
                 {"\xC0\xAF", "??"},     // over-long form
                 {"\xED\xA0\x80", "?"},  // a lone surrogate
                 {"", ""}};
    for (const auto& c : cases) EXPECT_EQ(Utf8ToCp1252(c.utf8), c.expected) << c.utf8;
}

TEST(SettingsText, CommonDialogErrorText)
{
    const unsigned long named[] = {0x0001, 0x0002, 0x0003, 0x0004, 0x0005, 0x0006, 0x0007, 0x0008, 0x0009,
                                   0x000A, 0x000B, 0x000C, 0x1000, 0x1001, 0x1002, 0x1003, 0x1004, 0x1005,
                                   0x1006, 0x1007, 0x1008, 0x1009, 0x100A, 0x100B, 0x100C, 0x2000, 0x2001,
                                   0x2002, 0x3000, 0x3001, 0x3002, 0x3003, 0x4000, 0x4001, 0xFFFF};
    for (unsigned long code : named) {
        ASSERT_NE(CommonDialogErrorText(code), nullptr) << code;
        EXPECT_GT(std::string(CommonDialogErrorText(code)).size(), 10u) << code;
    }
    const unsigned long unnamed[] = {0x0000, 0x000D, 0x100D, 0x3004, 0x10000};
    for (unsigned long code : unnamed) EXPECT_EQ(CommonDialogErrorText(code), nullptr) << code;

    EXPECT_STREQ(CommonDialogErrorText(0x0008),
                 "\tThe common dialog box procedure failed to lock a specified resource.");
    EXPECT_STREQ(CommonDialogErrorText(0x3002), "A filename is invalid.");
    EXPECT_STREQ(CommonDialogErrorText(0x2001), "No fonts exist.");
}

}  // namespace
}  // namespace pw
