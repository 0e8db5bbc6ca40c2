// Install and uninstall under Wine, every folder and the registry key inside a sandbox: what lands where,
// what a reinstall keeps, a crafted archive refused, and an uninstall that leaves the user's files alone.
#include "install/win/install_run.h"

#include <gtest/gtest.h>

#include "sandbox.h"

namespace inst::test {
namespace {

const char* kProgramFolder = "pf\\Pagewick";

std::string ModificationStamp(const std::string& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return "<missing>";
    FILETIME local;
    WORD date = 0;
    WORD time = 0;
    FileTimeToLocalFileTime(&data.ftLastWriteTime, &local);
    FileTimeToDosDateTime(&local, &date, &time);
    char text[16];
    wsprintfA(text, "%04x %04x", date, time);
    return text;
}

// The helper that removes the installer's own file runs on its own: wait (generously) until it is done.
bool GoneWithin(const Sandbox& box, const std::string& relative, int seconds)
{
    for (int n = 0; n < seconds * 10; ++n) {
        if (!box.Exists(relative)) return true;
        Sleep(100);
    }
    return false;
}

TEST(InstallRunTest, InstallsAReleaseIntoAFreshFolder)
{
    Sandbox box;
    box.PutRelease(ReleaseEntries());
    const RunReport report = RunInstall(box.installer, nullptr);

    EXPECT_FALSE(report.stopped);
    EXPECT_TRUE(report.failures.empty()) << (report.failures.empty() ? "" : report.failures[0]);
    EXPECT_TRUE(box.warnings.empty()) << (box.warnings.empty() ? "" : box.warnings[0]);
    EXPECT_EQ(box.Read("pf\\Pagewick\\Pagewick.exe"), "program v2");
    EXPECT_EQ(box.Read("pf\\Pagewick\\support\\markup.css"), "body { margin: 1em; }");
    EXPECT_EQ(box.Read("pf\\Pagewick\\support\\help\\Licence.txt"), "Licence line one\nLicence line two\n");
    EXPECT_TRUE(box.Exists("pf\\Pagewick\\file_info"));
    EXPECT_EQ(ModificationStamp(box.Path("pf\\Pagewick\\support\\markup.css")), "5a8c 7a2f");
    EXPECT_EQ(box.Read("pf\\Pagewick\\Pagewick.ini"), "[General]\r\nUseStatBar=1\r\n");
    // The archive is used up; the installer moves into the program folder for the uninstall command.
    EXPECT_FALSE(box.Exists("dl\\pagewick-0.1.0.zip"));
    EXPECT_FALSE(box.Exists("dl\\Install.exe"));
    EXPECT_EQ(box.Read("pf\\Pagewick\\Install.exe"), "installer stand-in");
    EXPECT_EQ(box.Read("pf\\Pagewick\\Install.manifest"),
              "Pagewick.exe\r\nPagewick_default.ini\r\nsupport\\markup.css\r\nsupport\\help\\1_help.txt\r\n"
              "support\\help\\Licence.txt\r\nInstall.exe\r\n");

    EXPECT_EQ(box.RegistryValue("DisplayName"), "Pagewick");
    EXPECT_EQ(box.RegistryValue("Publisher"), "Marlowby");
    EXPECT_EQ(box.RegistryValue("UninstallString"), "\"" + box.Path("pf\\Pagewick\\Install.exe") + "\" -uninstall");
    EXPECT_EQ(ShortcutTarget(box.Path("menu\\Pagewick\\Pagewick text note editor.lnk")),
              box.Path("pf\\Pagewick\\Pagewick.exe"));
    EXPECT_FALSE(box.Exists("desk\\Pagewick.exe.lnk"));
}

TEST(InstallRunTest, DesktopShortcutAndAlternateFolderAsChosen)
{
    Sandbox box;
    box.PutRelease(ReleaseEntries());
    box.installer.state.desktopShortcut = true;
    box.installer.state.programFolder = box.Path("tools");  // the chosen folder itself, nothing added
    RunInstall(box.installer, nullptr);
    EXPECT_EQ(box.Read("tools\\Pagewick.exe"), "program v2");
    EXPECT_EQ(ShortcutTarget(box.Path("desk\\Pagewick.exe.lnk")), box.Path("tools\\Pagewick.exe"));
}

TEST(InstallRunTest, InstallingOverAnInstallationKeepsItsSettings)
{
    Sandbox box;
    box.Write("pf\\Pagewick\\Pagewick.ini", "[General]\r\nMine=1\r\n");
    box.Write("pf\\Pagewick\\Pagewick.exe", "program v1");
    box.Write("pf\\Ferrowind\\Ferrowind.ini", "[General]\r\nOld=1\r\n");
    box.answerUseOldSettings = true;
    box.PutRelease(ReleaseEntries());
    RunInstall(box.installer, nullptr);
    EXPECT_EQ(box.Read("pf\\Pagewick\\Pagewick.ini"), "[General]\r\nMine=1\r\n");
    EXPECT_EQ(box.Read("pf\\Pagewick\\Pagewick.exe"), "program v2");
    // Settings in use are never replaced by the earlier product's: the question is not even asked.
    EXPECT_EQ(box.oldSettingsAsked, 0);
    EXPECT_EQ(box.Read("pf\\Ferrowind\\Ferrowind.ini"), "[General]\r\nOld=1\r\n");
}

TEST(InstallRunTest, OldSettingsAreTakenOverOnYesAndLeftOnNo)
{
    Sandbox yes;
    yes.Write("pf\\Ferrowind\\Ferrowind.ini", "[General]\r\nOld=1\r\n");
    yes.answerUseOldSettings = true;
    yes.PutRelease(ReleaseEntries());
    RunInstall(yes.installer, nullptr);
    EXPECT_EQ(yes.oldSettingsAsked, 1);
    EXPECT_EQ(yes.Read("pf\\Pagewick\\Pagewick.ini"), "[General]\r\nOld=1\r\n");
    EXPECT_FALSE(yes.Exists("pf\\Ferrowind\\Ferrowind.ini"));

    Sandbox no;
    no.Write("pf\\Ferrowind\\Ferrowind.ini", "[General]\r\nOld=1\r\n");
    no.PutRelease(ReleaseEntries());
    RunInstall(no.installer, nullptr);
    EXPECT_EQ(no.oldSettingsAsked, 1);
    EXPECT_EQ(no.Read("pf\\Pagewick\\Pagewick.ini"), "[General]\r\nUseStatBar=1\r\n");
    EXPECT_EQ(no.Read("pf\\Ferrowind\\Ferrowind.ini"), "[General]\r\nOld=1\r\n");
}

TEST(InstallRunTest, AnArchiveThatClimbsOutIsRefusedWithNothingWritten)
{
    for (const char* crafted : {"..\\evil.txt", "support/../../evil.txt", "C:evil.txt"}) {
        Sandbox box;
        std::vector<ZipEntry> entries = ReleaseEntries();
        entries.insert(entries.begin() + 1, ZipEntry{crafted, "evil"});
        box.PutRelease(entries);
        const RunReport report = RunInstall(box.installer, nullptr);

        EXPECT_TRUE(report.stopped) << crafted;
        ASSERT_EQ(box.warnings.size(), 1u) << crafted;
        EXPECT_NE(box.warnings[0].find(std::string("\"") + crafted + "\""), std::string::npos) << box.warnings[0];
        // Nothing was made, not even the program folder; the archive and installer stay for another try.
        EXPECT_EQ(box.Listing(), (std::vector<std::string>{"ad\\", "desk\\", "dl\\", "dl\\Install.exe",
                                                           "dl\\pagewick-0.1.0.zip", "menu\\", "pf\\", "umenu\\"}))
            << crafted;
        EXPECT_FALSE(box.RegistryKeyExists());
    }
}

TEST(InstallRunTest, FailuresAreToldInOneMessageAtTheEnd)
{
    Sandbox box;
    box.PutRelease(ReleaseEntries());
    box.Write("blocker", "a file: no start menu folder can be made below it");
    box.installer.targets.commonPrograms = box.Path("blocker");
    box.installer.state.launchAfterInstall = true;  // Pagewick.exe here is no program
    const RunReport report = RunInstall(box.installer, nullptr);
    EXPECT_EQ(report.failures.size(), 2u);
    ASSERT_EQ(box.warnings.size(), 1u);
    EXPECT_NE(box.warnings[0].find("start menu"), std::string::npos) << box.warnings[0];
    EXPECT_NE(box.warnings[0].find("cannot start"), std::string::npos) << box.warnings[0];
    EXPECT_EQ(box.Read("pf\\Pagewick\\Pagewick.exe"), "program v2");
}

TEST(InstallRunTest, ADamagedEntryStopsTheExtractionAndIsToldAtTheEnd)
{
    Sandbox box;
    std::string zip = ZipBytes(ReleaseEntries());
    const std::size_t css = zip.find("body { margin: 1em; }");
    ASSERT_NE(css, std::string::npos);
    zip[css] = 'B';  // the entry's checksum no longer matches
    box.Write("dl\\pagewick-0.1.0.zip", zip);
    box.Write("dl\\Install.exe", "installer stand-in");
    const RunReport report = RunInstall(box.installer, nullptr);

    ASSERT_EQ(box.warnings.size(), 1u);
    EXPECT_NE(box.warnings[0].find("damaged"), std::string::npos) << box.warnings[0];
    EXPECT_NE(box.warnings[0].find("markup.css"), std::string::npos) << box.warnings[0];
    EXPECT_EQ(box.Read("pf\\Pagewick\\Pagewick.exe"), "program v2");  // written before the damage
    EXPECT_FALSE(box.Exists("pf\\Pagewick\\support\\help"));          // extraction stopped there
    EXPECT_EQ(box.RegistryValue("DisplayName"), "Pagewick");          // the remaining steps still ran
}

// Installs, then makes the installer run from the program folder as the registered command does.
void InstallForUninstall(Sandbox& box)
{
    box.installer.state.desktopShortcut = true;
    box.PutRelease(ReleaseEntries());
    RunInstall(box.installer, nullptr);
    ASSERT_TRUE(box.warnings.empty());
    box.installer.state.uninstall = true;
    box.installer.targets.installerFile = box.Path("pf\\Pagewick\\Install.exe");
    // What Pagewick itself makes while it is used.
    box.Write("pf\\Pagewick\\LogFile.log", "log");
    box.Write("pf\\Pagewick\\file_info\\C\\notes\\a.txt.fw", "[Keywords]");
    box.Write("pf\\Pagewick\\support\\dark.css", "body {}");
}

TEST(InstallRunTest, UninstallOfACleanInstallationRemovesAllItWrote)
{
    Sandbox box;
    InstallForUninstall(box);
    const RunReport report = RunUninstall(box.installer, nullptr);
    EXPECT_TRUE(report.failures.empty()) << (report.failures.empty() ? "" : report.failures[0]);
    EXPECT_TRUE(box.warnings.empty()) << (box.warnings.empty() ? "" : box.warnings[0]);
    EXPECT_FALSE(box.RegistryKeyExists());
    EXPECT_FALSE(box.Exists("menu\\Pagewick"));
    EXPECT_FALSE(box.Exists("desk\\Pagewick.exe.lnk"));
    EXPECT_TRUE(GoneWithin(box, kProgramFolder, 60));
    EXPECT_EQ(box.Listing(), (std::vector<std::string>{"ad\\", "desk\\", "dl\\", "menu\\", "pf\\", "umenu\\"}));
}

TEST(InstallRunTest, UninstallKeepsTheUsersNotesAndLooseFiles)
{
    Sandbox box;
    InstallForUninstall(box);
    box.Write("pf\\Pagewick\\Notes\\today.txt", "buy milk");
    box.Write("pf\\Pagewick\\todo.txt", "call Ann");
    box.Write("menu\\Pagewick\\Other.lnk", "someone else's shortcut");
    const RunReport report = RunUninstall(box.installer, nullptr);

    EXPECT_TRUE(report.failures.empty()) << (report.failures.empty() ? "" : report.failures[0]);
    ASSERT_EQ(box.warnings.size(), 1u);
    EXPECT_EQ(box.warnings[0].find("Cannot delete directory " + box.Path(kProgramFolder) +
                                   "\n\n(Unknown folder in Pagewick folder)"),
              0u)
        << box.warnings[0];
    EXPECT_NE(box.warnings[0].find("\nNotes\\"), std::string::npos) << box.warnings[0];
    EXPECT_NE(box.warnings[0].find("\ntodo.txt"), std::string::npos) << box.warnings[0];
    EXPECT_TRUE(GoneWithin(box, "pf\\Pagewick\\Install.exe", 60));
    EXPECT_EQ(box.Listing(),
              (std::vector<std::string>{"ad\\", "desk\\", "dl\\", "menu\\", "menu\\Pagewick\\",
                                        "menu\\Pagewick\\Other.lnk", "pf\\", "pf\\Pagewick\\", "pf\\Pagewick\\Notes\\",
                                        "pf\\Pagewick\\Notes\\today.txt", "pf\\Pagewick\\todo.txt", "umenu\\"}));
    EXPECT_EQ(box.Read("pf\\Pagewick\\Notes\\today.txt"), "buy milk");
    EXPECT_FALSE(box.RegistryKeyExists());
}

TEST(InstallRunTest, UninstallStartedOutsideAnInstallationDeletesNothingThere)
{
    Sandbox box;
    box.Write("dl\\Install.exe", "installer stand-in");
    box.Write("dl\\Pagewick.ini", "a settings file someone keeps here");
    box.installer.state.uninstall = true;
    RunUninstall(box.installer, nullptr);
    ASSERT_EQ(box.warnings.size(), 1u);
    EXPECT_NE(box.warnings[0].find("No Pagewick installation was found in " + box.Path("dl")), std::string::npos)
        << box.warnings[0];
    EXPECT_EQ(box.Read("dl\\Install.exe"), "installer stand-in");
    EXPECT_EQ(box.Read("dl\\Pagewick.ini"), "a settings file someone keeps here");
}

}  // namespace
}  // namespace inst::test
