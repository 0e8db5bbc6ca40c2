// The install plan (every name checked before anything is written), the path join, the uninstall command and
// the manifest that tells uninstall which files are the installer's.
#include "install/install_plan.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace inst {
namespace {

TEST(InstallPlanTest, JoinsWithOneBackslashAndRefusesOverlongPaths)
{
    EXPECT_EQ(JoinPath("C:\\Program Files", "Pagewick"), "C:\\Program Files\\Pagewick");
    EXPECT_EQ(JoinPath("C:\\", "Pagewick"), "C:\\Pagewick");
    EXPECT_EQ(JoinPath("C:\\tools", "\\x"), "C:\\tools\\x");
    EXPECT_EQ(JoinPath("C:\\tools", ""), "C:\\tools");
    // 250 + "\\" + 8 is the longest path that fits in 260 bytes with its terminator.
    EXPECT_EQ(JoinPath(std::string(250, 'a'), "12345678").value_or("").size(), 259u);
    EXPECT_FALSE(JoinPath(std::string(250, 'a'), "123456789"));
}

TEST(InstallPlanTest, UninstallModeAndCommand)
{
    EXPECT_TRUE(IsUninstallCommandLine("-uninstall"));
    EXPECT_TRUE(IsUninstallCommandLine("\"C:\\P W\\Install.exe\" -uninstall"));
    EXPECT_FALSE(IsUninstallCommandLine(""));
    EXPECT_FALSE(IsUninstallCommandLine("-UNINSTALL"));
    EXPECT_EQ(UninstallCommand("C:\\Program Files\\Pagewick"),
              "\"C:\\Program Files\\Pagewick\\Install.exe\" -uninstall");
    EXPECT_FALSE(UninstallCommand(std::string(250, 'a')));
}

TEST(InstallPlanTest, PlansEveryEntryInArchiveOrder)
{
    const InstallPlan plan = PlanInstall({"Pagewick.exe", "support/", "support/markup.css", "file_info/"}, "C:\\P");
    ASSERT_TRUE(plan.ok());
    ASSERT_EQ(plan.entries.size(), 4u);
    EXPECT_EQ(plan.entries[0].path, "Pagewick.exe");
    EXPECT_FALSE(plan.entries[0].folder);
    EXPECT_EQ(plan.entries[1].path, "support");
    EXPECT_TRUE(plan.entries[1].folder);
    EXPECT_EQ(plan.entries[2].path, "support\\markup.css");
}

TEST(InstallPlanTest, OneBadNameRefusesTheWholeArchive)
{
    const InstallPlan plan = PlanInstall({"Pagewick.exe", "..\\evil.exe", "support/markup.css"}, "C:\\P");
    EXPECT_FALSE(plan.ok());
    EXPECT_TRUE(plan.entries.empty());
    EXPECT_EQ(plan.refusedName, "..\\evil.exe");
    EXPECT_EQ(plan.problem, EntryProblem::ParentStep);
    const std::string message = RefusedArchiveMessage(plan, "pagewick-1.zip");
    EXPECT_NE(message.find("\"..\\evil.exe\""), std::string::npos) << message;
    EXPECT_NE(message.find("Nothing was installed."), std::string::npos) << message;
}

TEST(InstallPlanTest, RefusesANameThatWouldNotFitInTheProgramFolder)
{
    const InstallPlan plan = PlanInstall({"ok.txt", std::string(200, 'n')}, std::string(100, 'f'));
    EXPECT_EQ(plan.problem, EntryProblem::TooLong);
}

TEST(InstallPlanTest, ManifestListsEachFileOnceAndReadsBackOnlySafeNames)
{
    const std::string text = ManifestText({"Pagewick.exe", "support\\markup.css", "PAGEWICK.EXE"});
    EXPECT_EQ(text, "Pagewick.exe\r\nsupport\\markup.css\r\n");
    EXPECT_EQ(ParseManifest(text), (std::vector<std::string>{"Pagewick.exe", "support\\markup.css"}));
    // An edited manifest must not send uninstall outside the program folder.
    EXPECT_EQ(ParseManifest("..\\..\\boot.ini\nC:\\Windows\\win.ini\n\\\\srv\\s\\x\nnotes/\nok.txt"),
              (std::vector<std::string>{"ok.txt"}));
}

}  // namespace
}  // namespace inst
