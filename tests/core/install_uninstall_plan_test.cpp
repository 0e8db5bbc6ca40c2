// The uninstall decision: what goes (the installer's files, Pagewick's own, folders left empty) and what
// stays (everything else, and the folders holding it), and what the user is told.
#include "install/uninstall_plan.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace inst {
namespace {

using Names = std::vector<std::string>;

const std::vector<std::string> kManifest = {"Pagewick.exe", "Pagewick_default.ini", "support\\markup.css",
                                            "support\\help\\1_help.txt", "support\\help\\Licence.txt"};

std::vector<TreeItem> CleanInstallation()
{
    return {{"Pagewick.exe", false},
            {"Pagewick_default.ini", false},
            {"Pagewick.ini", false},
            {"LogFile.log", false},
            {"Install.exe", false},
            {"Install.manifest", false},
            {"support", true},
            {"support\\markup.css", false},
            {"support\\dark.css", false},
            {"support\\help", true},
            {"support\\help\\1_help.txt", false},
            {"support\\help\\Licence.txt", false},
            {"file_info", true},
            {"file_info\\C\\notes", true},
            {"file_info\\C\\notes\\a.txt.fw", false}};
}

TEST(UninstallPlanTest, ACleanInstallationGoesWhole)
{
    const UninstallPlan plan = PlanUninstall(CleanInstallation(), kManifest);
    EXPECT_EQ(plan.deleteFiles,
              (Names{"Pagewick.exe", "Pagewick_default.ini", "Pagewick.ini", "LogFile.log", "Install.manifest",
                     "support\\markup.css", "support\\dark.css", "support\\help\\1_help.txt",
                     "support\\help\\Licence.txt", "file_info\\C\\notes\\a.txt.fw"}));
    EXPECT_EQ(plan.removeFolders, (Names{"file_info\\C\\notes", "support\\help", "support", "file_info"}));
    EXPECT_TRUE(plan.kept.empty());
    EXPECT_TRUE(plan.removeProgramFolder);
    EXPECT_EQ(KeptMessage(plan, "C:\\P"), "");
}

TEST(UninstallPlanTest, ForeignFilesAndFoldersStayWithTheFoldersHoldingThem)
{
    std::vector<TreeItem> tree = CleanInstallation();
    tree.push_back({"Notes", true});
    tree.push_back({"Notes\\today.txt", false});
    tree.push_back({"Notes\\Work", true});
    tree.push_back({"Notes\\Work\\plan.md", false});
    tree.push_back({"todo.txt", false});
    tree.push_back({"support\\help\\mine.txt", false});
    tree.push_back({"file_info\\keep.txt", false});
    const UninstallPlan plan = PlanUninstall(tree, kManifest);

    for (const char* ours : {"Pagewick.exe", "Pagewick.ini", "support\\markup.css", "support\\help\\Licence.txt"})
        EXPECT_NE(std::find(plan.deleteFiles.begin(), plan.deleteFiles.end(), ours), plan.deleteFiles.end()) << ours;
    for (const std::string& file : plan.deleteFiles) {
        EXPECT_FALSE(file.starts_with("Notes")) << file;
        EXPECT_NE(file, "todo.txt");
        EXPECT_NE(file, "support\\help\\mine.txt");
        EXPECT_NE(file, "file_info\\keep.txt");
    }
    EXPECT_EQ(plan.removeFolders, (Names{"file_info\\C\\notes"}));
    EXPECT_EQ(plan.kept, (Names{"Notes\\", "file_info\\keep.txt", "support\\help\\mine.txt", "todo.txt"}));
    EXPECT_TRUE(plan.unknownFolder);
    EXPECT_FALSE(plan.removeProgramFolder);
    const std::string message = KeptMessage(plan, "C:\\P");
    EXPECT_EQ(message.find("Cannot delete directory C:\\P\n\n(Unknown folder in Pagewick folder)"), 0u) << message;
    EXPECT_NE(message.find("\nNotes\\"), std::string::npos) << message;
    EXPECT_NE(message.find("\ntodo.txt"), std::string::npos) << message;
}

TEST(UninstallPlanTest, AnEmptyFolderOfTheUsersStaysAndLooseFilesAloneAreNoUnknownFolder)
{
    const UninstallPlan emptyFolder = PlanUninstall({{"Pagewick.exe", false}, {"Archive", true}}, kManifest);
    EXPECT_EQ(emptyFolder.kept, (Names{"Archive\\"}));
    EXPECT_TRUE(emptyFolder.removeFolders.empty());

    const UninstallPlan looseFile = PlanUninstall({{"Pagewick.exe", false}, {"todo.txt", false}}, kManifest);
    EXPECT_FALSE(looseFile.unknownFolder);
    EXPECT_NE(KeptMessage(looseFile, "C:\\P").find("(Files Pagewick did not install are in it)"), std::string::npos);
}

TEST(UninstallPlanTest, WithoutAManifestOnlyPagewicksOwnFilesGo)
{
    const UninstallPlan plan = PlanUninstall({{"Pagewick.ini", false}, {"Pagewick.exe", false}}, {});
    EXPECT_EQ(plan.deleteFiles, (Names{"Pagewick.ini"}));
    EXPECT_EQ(plan.kept, (Names{"Pagewick.exe"}));
}

TEST(UninstallPlanTest, PagewicksOwnFileNames)
{
    for (const char* own : {"pagewick.ini", "LogFile.log", "support\\dark.css", "file_info\\x\\a.txt.fw"})
        EXPECT_TRUE(IsPagewickFile(own)) << own;
    for (const char* other : {"support\\help\\a.css", "notes\\a.css", "file_info\\a.txt", "x.fw", "support.css"})
        EXPECT_FALSE(IsPagewickFile(other)) << other;
    for (const char* known : {"support", "file_info", "help", "mysupport"}) EXPECT_TRUE(IsKnownFolderName(known));
    EXPECT_FALSE(IsKnownFolderName("Notes"));
}

}  // namespace
}  // namespace inst
