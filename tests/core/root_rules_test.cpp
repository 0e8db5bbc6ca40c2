#include "dialogs/root_rules.h"

#include <gtest/gtest.h>

namespace pw {
namespace {

TEST(RootRulesTest, NewRootIsCheckedForDuplicatesThenForEmptyFields)
{
    const std::vector<std::string> listed = {"C:\\Notes", "D:\\Work"};
    struct Case {
        const char* path;
        const char* alias;
        const char* extension;
        RootProblem expected;
    } cases[] = {
        {"c:\\NOTES", "n", ".txt", RootProblem::Duplicate}, {"c:\\NOTES", "", "", RootProblem::Duplicate},
        {"C:\\Notes2", "n", ".txt", RootProblem::None},     {"C:\\Other", "", ".txt", RootProblem::MissingField},
        {"C:\\Other", "o", "", RootProblem::MissingField},  {"", "o", ".txt", RootProblem::MissingField},
    };
    for (const Case& c : cases) EXPECT_EQ(CheckRootToAdd(c.path, c.alias, c.extension, listed), c.expected) << c.path;
    EXPECT_EQ(CheckRootEdit("C:\\Notes", "n", ".md"), RootProblem::None);
    EXPECT_EQ(CheckRootEdit("C:\\Notes", "n", ""), RootProblem::MissingField);
}

TEST(RootRulesTest, ExtensionGetsALeadingDot)
{
    EXPECT_EQ(RootExtensionText("md"), ".md");
    EXPECT_EQ(RootExtensionText(".md"), ".md");
}

TEST(RootRulesTest, RemotePathUsesTheProgramDriveOrShare)
{
    struct Case {
        const char* path;
        const char* programFolder;
        RemotePathResult result;
        const char* after;
    } cases[] = {
        {"D:\\notes", "D:\\pagewick\\", RemotePathResult::Changed, "%AppSrcDrv%\\notes"},
        {"d:\\notes", "D:\\pagewick\\", RemotePathResult::Changed, "%AppSrcDrv%\\notes"},
        {"C:\\notes", "D:\\pagewick\\", RemotePathResult::NotOnProgramDrive, "C:\\notes"},
        {"%AppSrcDrv%\\notes", "D:\\pagewick\\", RemotePathResult::Unchanged, "%AppSrcDrv%\\notes"},
        {"\\\\srv\\share\\notes", "\\\\srv\\share\\pw\\", RemotePathResult::Changed, "%AppSrcDrv%\\notes"},
        {"\\\\srv\\other\\notes", "\\\\srv\\share\\pw\\", RemotePathResult::NotOnProgramDrive, "\\\\srv\\other\\notes"},
    };
    for (const Case& c : cases) {
        std::string path = c.path;
        EXPECT_EQ(MakeRemotePath(path, c.programFolder), c.result) << c.path;
        EXPECT_EQ(path, c.after);
    }
}

TEST(RootRulesTest, PerpetualValueSplitsAndJoins)
{
    RootTable roots;
    AddRoot(roots, "C:\\Notes", "C:\\Notes", "Notes", ".txt", ".txt");
    AddRoot(roots, "%AppSrcDrv%\\pw", "D:\\pw", "pw", ".txt", ".txt");
    PathEnvironment env;
    env.programFolder = "D:\\app\\";
    env.exists = [](const std::string&) { return true; };

    struct Case {
        const char* path;
        std::optional<std::string> value;
    } cases[] = {
        {"C:\\Notes\\work\\todo.txt", "C:\\Notes|C:\\Notes|work|todo.txt"},
        {"c:\\notes\\a\\b\\c.txt", "C:\\Notes|c:\\notes\\a|b|c.txt"},
        {"C:\\Notes\\top.txt", "C:\\Notes|C:|Notes|top.txt"},
        {"%AppSrcDrv%\\pw\\x\\y.txt", "%AppSrcDrv%\\pw|%AppSrcDrv%\\pw|x|y.txt"},
        {"", std::nullopt},
        {"E:\\elsewhere\\x\\y.txt", std::nullopt},
        {"C:\\Notes\\work\\", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PerpetualNoteValue(c.path, roots, env), c.value) << c.path;
    }
    // Every value made from a path names that path again.
    for (const Case& c : cases) {
        const std::string value = c.value.value_or("");
        EXPECT_EQ(PerpetualNotePath(value), c.value ? c.path : "") << value;
    }
    EXPECT_EQ(PerpetualNotePath("C:\\Notes||C:\\Notes||top.txt"), "C:\\Notes\\top.txt");
    EXPECT_EQ(PerpetualNotePath("just one part"), "");
}

}  // namespace
}  // namespace pw
