#include "launch/program_args.h"

#include <gtest/gtest.h>

#include <string>

namespace pw {
namespace {

const CivilTime kMorning{2026, 3, 7, 0, 5, 0};
const CivilTime kNoon{2026, 12, 10, 12, 30, 0};

TEST(ProgramArgsTest, VariablesExpandInOrderAtTheirFirstOccurrence)
{
    struct Case {
        const char* args;
        CivilTime now;
        const char* expected;
    } cases[] = {
        {"\"$fullfile\"", kMorning, "\"C:\\Notes\\My Notes.txt\""},
        {"$filepath|$filebase|$filename", kMorning, "C:\\Notes\\|My Notes|My Notes.txt"},
        {"$filebase $filebase", kMorning, "My Notes $filebase"},
        {"$date $time $24time", kMorning, "2026.03.07 12:05am 00:05"},
        {"$date $time $24time", kNoon, "2026.12.10 12:30pm 12:30"},
        {"-x $request $storetxt", kNoon, "-x $request $storetxt"},
        {"no variables", kNoon, "no variables"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ExpandProgramArgs(c.args, "C:\\Notes\\My Notes.txt", c.now).Text(), c.expected) << c.args;
    }
}

TEST(ProgramArgsTest, ReplacementReachingTheLimitIsNotMade)
{
    const std::string folder = "C:\\" + std::string(241, 'f');
    const std::string path = folder + "\\n.txt";  // 250 characters
    // 250 + 3 quotes and blank + 6 = 259: fits exactly.
    EXPECT_EQ(ExpandProgramArgs("\"$fullfile\" 123456", path, kNoon).Text(), "\"" + path + "\" 123456");
    // One more character would make 260: the variable stays, the later ones are still replaced.
    EXPECT_EQ(ExpandProgramArgs("\"$fullfile\" 1234567 $filename", path, kNoon).Text(), "\"$fullfile\" 1234567 n.txt");

    ArgumentText text("$request");
    EXPECT_FALSE(text.Replace("$request", std::string(260, 'r')));
    EXPECT_EQ(text.Text(), "$request");
    EXPECT_TRUE(text.Replace("$request", ""));
    EXPECT_EQ(text.Text(), "");
}

TEST(ProgramArgsTest, VariablesInAReplacementStayAsTheyAre)
{
    EXPECT_EQ(ExpandProgramArgs("\"$fullfile\" $date", "C:\\Notes\\Report $date $time.txt", kMorning).Text(),
              "\"C:\\Notes\\Report $date $time.txt\" 2026.03.07");
    ArgumentText text("[$request] [$storetxt]");
    EXPECT_TRUE(text.Replace("$request", "asks for $storetxt"));
    EXPECT_TRUE(text.Contains("$storetxt"));
    EXPECT_TRUE(text.Replace("$storetxt", "kept"));
    EXPECT_FALSE(text.Contains("$storetxt"));
    EXPECT_EQ(text.Text(), "[asks for $storetxt] [kept]");
}

TEST(ProgramArgsTest, CommandLineQuotesTheProgram)
{
    EXPECT_EQ(ProgramCommandLine("C:\\Program Files\\ed.exe", "\"C:\\Notes\\My Notes.txt\""),
              "\"C:\\Program Files\\ed.exe\" \"C:\\Notes\\My Notes.txt\"");
}

TEST(ProgramArgsTest, MailtoEncodesTheSelection)
{
    EXPECT_EQ(MailtoAddress("a?b\r\n", true), "mailto:?body=a%3Fb%0D%0A");
    EXPECT_EQ(MailtoAddress("me@example.com", false), "mailto:?To=me@example.com");
    EXPECT_EQ(MailtoAddress("50% off\nnow", true), "mailto:?body=50%25 offnow");
    EXPECT_EQ(MailtoAddress("", true), "");
    EXPECT_EQ(MailtoAddress(std::string(259, 'x'), true), "mailto:?body=" + std::string(259, 'x'));
    EXPECT_EQ(MailtoAddress(std::string(260, 'x'), true), "");
}

}  // namespace
}  // namespace pw
