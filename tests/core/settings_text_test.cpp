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
    struct Case {
        unsigned long code;
        const char* text;
    };
    const Case cases[] = {
        {0x0001, "The lStructSize member of a structure for the corresponding common dialog box is invalid."},
        {0x0002,
         "The common dialog box procedure failed during initialization. This error often occurs when insufficient "
         "memory is available."},
        {0x0003,
         "The ENABLETEMPLATE flag was specified in the Flags member of a structure for the corresponding common dialog "
         "box, but the application failed to provide a corresponding template."},
        {0x0004,
         "The ENABLETEMPLATE flag was specified in the Flags member of a structure for the corresponding common dialog "
         "box, but the application failed to provide a corresponding instance handle."},
        {0x0005, "The common dialog box procedure failed to load a specified string."},
        {0x0006, "The common dialog box procedure failed to find a specified resource."},
        {0x0007, "The common dialog box procedure failed to load a specified resource."},
        {0x0008, "\tThe common dialog box procedure failed to lock a specified resource."},
        {0x0009, "The common dialog box procedure was unable to allocate memory for internal structures."},
        {0x000A, "The common dialog box procedure was unable to lock the memory associated with a handle."},
        {0x000B,
         "The ENABLEHOOK flag was specified in the Flags member of a structure for the corresponding common dialog "
         "box, but the application failed to provide a pointer to a corresponding hook function."},
        {0x000C,
         "The RegisterWindowMessage function returned an error value when it was called by the common dialog box "
         "procedure."},
        {0x1000, "Error codes for the Print common dialog box. These errors are in the range 0x1000 through 0x1FFF."},
        {0x1001, "The PrintDlg function failed to load the required resources."},
        {0x1002, "The PrintDlg function failed to parse the strings in the [devices] section of the WIN.INI file."},
        {0x1003,
         "The PD_RETURNDEFAULT flag was specified in the Flags member of the PRINTDLG structure, but the hDevMode or "
         "hDevNames member was nonzero."},
        {0x1004, "The PrintDlg function failed to load the device driver for the specified printer."},
        {0x1005,
         "The printer driver failed to initialize a DEVMODE structure. (This error value applies only to printer "
         "drivers written for Windows versions 3.0 and later.)"},
        {0x1006,
         "The PrintDlg function failed during initialization, and there is no more specific extended error code to "
         "describe the failure. This is the generic default error code for the function."},
        {0x1007, "No printer drivers were found."},
        {0x1008, "A default printer does not exist."},
        {0x1009, "The data in the DEVMODE and DEVNAMES structures describes two different printers."},
        {0x100A, "The PrintDlg function failed when it attempted to create an information context."},
        {0x100B, "The [devices] section of the WIN.INI file did not contain an entry for the requested printer."},
        {0x100C,
         "An application called the PrintDlg function with the DN_DEFAULTPRN flag specified in the wDefault member of "
         "the DEVNAMES structure, but the printer described by the other structure members did not match the current "
         "default printer. (This error happens when an application stores the DEVNAMES structure and the user changes "
         "the default printer by using Control Panel.)"},
        {0x2000, "Error codes for the Font common dialog box. These errors are in the range 0x2000 through 0x2FFF."},
        {0x2001, "No fonts exist."},
        {0x2002,
         "The size specified in the nSizeMax member of the CHOOSEFONT structure is less than the size specified in the "
         "nSizeMin member."},
        {0x3000,
         "Error codes for the Open and Save As common dialog boxes. these errors are in the range 0x3000 through "
         "0x3FFF."},
        {0x3001, "An attempt to subclass a list box failed because insufficient memory was available."},
        {0x3002, "A filename is invalid."},
        {0x3003,
         "The buffer for a filename is too small. (This buffer is pointed to by the lpstrFile member of the structure "
         "for a common dialog box.)"},
        {0x4000,
         "Error codes for the Find and Replace common dialog boxes. these errors are in the range 0x4000 through "
         "0x4FFF."},
        {0x4001, "A member in a structure for the corresponding common dialog box points to an invalid buffer."},
        {0xFFFF,
         "The common dialog box procedure's call to the DialogBox function failed. For example, this error occurs if "
         "the common dialog box call specifies an invalid window handle."},
    };
    for (const Case& c : cases) {
        ASSERT_NE(CommonDialogErrorText(c.code), nullptr) << c.code;
        EXPECT_STREQ(CommonDialogErrorText(c.code), c.text) << c.code;
    }
    // 0 is the user's cancel: nothing is shown for it or for any other code.
    const unsigned long unnamed[] = {0x0000, 0x000D, 0x0FFF, 0x100D, 0x2003, 0x3004, 0x4002, 0xFFFE, 0x10000};
    for (unsigned long code : unnamed) EXPECT_EQ(CommonDialogErrorText(code), nullptr) << code;
}

}  // namespace
}  // namespace pw
