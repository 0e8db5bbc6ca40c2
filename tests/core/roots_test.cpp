#include "library/roots.h"

#include <gtest/gtest.h>

#include <set>

namespace pw {
namespace {

// A machine with the program on D: and a fixed set of existing folders.
struct FakeMachine {
    std::set<std::string> existing;
    std::optional<std::string> documents = std::string("C:\\Users\\ann\\Documents");

    PathEnvironment Environment(std::string programFolder = "D:\\pagewick\\", bool adjust = true) const
    {
        PathEnvironment env;
        env.programFolder = std::move(programFolder);
        env.documentsFolder = [this] { return documents; };
        env.exists = [this](const std::string& path) { return existing.count(path) > 0; };
        env.adjustForNetwork = adjust;
        return env;
    }
};

TEST(RootsTest, ExpandPathReplacesVariables)
{
    FakeMachine machine;
    machine.existing = {"D:\\notes", "c:\\notes", "\\\\server\\share\\notes", "C:\\Users\\ann\\Documents\\n"};
    struct Case {
        const char* program;
        bool adjust;
        const char* path;
        const char* expanded;
        bool ok;
    } cases[] = {
        {"D:\\pagewick\\", true, "%AppSrcDrv%\\notes", "D:\\notes", true},
        {"\\\\server\\share\\pagewick\\", false, "%AppSrcDrv%\\notes", "c:\\notes", true},
        {"\\\\server\\share\\pagewick\\", true, "%AppSrcDrv%\\notes", "\\\\server\\share\\notes", true},
        {"\\\\srv\\tools\\pagewick\\", true, "c:\\notes\\work", "\\\\srv\\tools\\notes\\work", false},
        {"\\\\srv\\tools\\pagewick\\", true, "c:\\", "\\\\srv\\tools", false},
        {"D:\\pagewick\\", true, "%MyDocuments%\\n", "C:\\Users\\ann\\Documents\\n", true},
        {"D:\\pagewick\\", true, "%appsrcdrv%\\notes", "%appsrcdrv%\\notes", false},  // exact case only
        {"D:\\pagewick\\", true, "x\\%AppSrcDrv%", "x\\%AppSrcDrv%", false},          // only at the start
        {"D:\\pagewick\\", true, "E:\\missing", "E:\\missing", false},
        {"D:\\pagewick\\", true, "", "", false},
    };
    for (const Case& c : cases) {
        std::string path = c.path;
        EXPECT_EQ(ExpandPath(path, machine.Environment(c.program, c.adjust)), c.ok) << c.path;
        EXPECT_EQ(path, c.expanded) << c.path;
    }
}

TEST(RootsTest, ExpandPathFailsWithoutDocumentsFolderAndSkipsOverlongResults)
{
    FakeMachine machine;
    machine.documents.reset();
    machine.existing = {"%MyDocuments%"};
    std::string path = "%MyDocuments%";
    EXPECT_FALSE(ExpandPath(path, machine.Environment()));
    EXPECT_EQ(path, "%MyDocuments%");

    machine.documents = std::string(250, 'd');
    path = "%MyDocuments%\\" + std::string(20, 'x');
    const std::string before = path;
    ExpandPath(path, machine.Environment());
    EXPECT_EQ(path, before);  // the result would not fit a path
}

TEST(RootsTest, MakeDriveRelative)
{
    struct Case {
        const char* path;
        const char* relative;
    } cases[] = {
        {"D:\\notes", "%AppSrcDrv%\\notes"},
        {"\\\\server\\share\\notes\\a", "%AppSrcDrv%\\notes\\a"},
        {"\\\\server\\share", "%AppSrcDrv%"},
        {"%AppSrcDrv%\\notes", "%AppSrcDrv%\\notes"},
        {"D:", "D:"},
        {"notes\\x", "notes\\x"},
    };
    for (const Case& c : cases) {
        std::string path = c.path;
        MakeDriveRelative(path);
        EXPECT_EQ(path, c.relative) << c.path;
    }
    std::string longPath = "D:\\" + std::string(255, 'x');
    const std::string before = longPath;
    MakeDriveRelative(longPath);
    EXPECT_EQ(longPath, before);
}

TEST(RootsTest, IsOnProgramDrive)
{
    EXPECT_TRUE(IsOnProgramDrive("d:\\notes", "D:\\pagewick\\"));
    EXPECT_FALSE(IsOnProgramDrive("E:\\notes", "D:\\pagewick\\"));
    EXPECT_TRUE(IsOnProgramDrive("\\\\SERVER\\Share\\n", "\\\\server\\share\\pagewick\\"));
    EXPECT_FALSE(IsOnProgramDrive("\\\\server\\other\\n", "\\\\server\\share\\pagewick\\"));
}

TEST(RootsTest, AddRootFillsDefaultsAndStopsAt25)
{
    RootTable table;
    EXPECT_EQ(AddRoot(table, "%AppSrcDrv%\\w", "D:\\w", "", "", ".txt"), 0);
    const PlaceRecord& root = table.roots[0];
    EXPECT_EQ(root.inUse, 1);
    EXPECT_EQ(root.alias, "D:\\w");  // empty alias shows the path
    EXPECT_EQ(root.storedRootPath, "%AppSrcDrv%\\w");
    EXPECT_EQ(root.folderPath, "D:\\w");
    EXPECT_EQ(root.defaultExtension, ".txt");
    EXPECT_EQ(AddRoot(table, "E:\\x", "E:\\x", "X", ".markdown2", ".txt"), 1);
    EXPECT_EQ(table.roots[1].defaultExtension, ".markdown");  // cut to 9 characters, the dot included
    while (table.count < kMaxRoots) AddRoot(table, "F:\\", "F:\\", "F", "", ".txt");
    EXPECT_EQ(AddRoot(table, "G:\\", "G:\\", "G", "", ".txt"), -1);
    EXPECT_EQ(table.count, kMaxRoots);
}

TEST(RootsTest, FindRootByNameAndPath)
{
    RootTable table;
    AddRoot(table, "%AppSrcDrv%\\notes", "D:\\notes", "Notes", "", ".txt");
    AddRoot(table, "E:\\Notes", "E:\\Notes", "D:\\notes\\sub", "", ".txt");  // alias equal to a path
    AddRoot(table, "D:\\notes\\sub", "D:\\notes\\sub", "Sub", "", ".txt");
    struct Case {
        const char* text;
        int index;
    } byName[] = {{"notes", 0}, {"d:\\NOTES", 0}, {"D:\\notes\\sub", 1}, {"sub", 2}, {"none", -1}, {"", -1}};
    for (const Case& c : byName) EXPECT_EQ(FindRootByName(table, c.text), c.index) << c.text;

    FakeMachine machine;
    PathEnvironment env = machine.Environment();
    Case byPath[] = {{"e:\\notes\\a.txt", 1}, {"D:\\notes\\sub\\a.txt", 2}, {"D:\\notes\\x.txt", 0}, {"Z:\\x", -1}};
    for (const Case& c : byPath) EXPECT_EQ(FindRootForPath(table, c.text, env), c.index) << c.text;
}

std::vector<StoredRoot> StoredRoots(int n)
{
    std::vector<StoredRoot> roots;
    for (int i = 0; i < n; ++i) roots.push_back({"C:\\r" + std::to_string(i), "R" + std::to_string(i), ".md"});
    return roots;
}

TEST(RootsTest, BuildRootTableWithTheLimit)
{
    FakeMachine machine;
    for (int i = 0; i < 30; ++i) machine.existing.insert("C:\\r" + std::to_string(i));
    RootSettings settings;
    settings.basicRoots = StoredRoots(24);
    settings.ambervaleExists = true;
    BuiltRoots built = BuildRootTable(settings, machine.Environment());
    EXPECT_EQ(built.table.count, 25);
    EXPECT_EQ(built.table.roots[24].alias, "My Documents");
    ASSERT_EQ(built.messages.size(), 2u);  // Ambervale and the C: drive are refused
    EXPECT_EQ(built.messages[0], "Hit maximum number of roots");

    settings.basicRoots = StoredRoots(30);  // only the first 25 entries are read
    built = BuildRootTable(settings, machine.Environment());
    EXPECT_EQ(built.table.count, 25);
    EXPECT_EQ(built.table.roots[24].alias, "R24");
}

TEST(RootsTest, BuildRootTableEntriesAndAutomaticRoots)
{
    FakeMachine machine;
    machine.existing = {"C:\\a", "C:\\b", "D:\\c", "c:\\ambervale", "c:\\"};
    RootSettings settings;
    settings.defaultExtension = ".wki";
    settings.basicRoots = {{"C:\\a", "", ""},
                           {"C:\\missing", "M", ".md"},
                           {"C:\\b", "Bee", ".md"},
                           {"", "stop", ""},
                           {"%AppSrcDrv%\\c", "Cee", ""}};
    settings.ambervaleExists = true;
    settings.lastRoot = "c: drive";
    BuiltRoots built = BuildRootTable(settings, machine.Environment());
    const RootTable& t = built.table;
    ASSERT_EQ(t.count, 5);
    EXPECT_EQ(t.roots[0].alias, "C:\\a");
    EXPECT_EQ(t.roots[0].defaultExtension, ".wki");  // no comment: DefaultExtension
    EXPECT_EQ(t.roots[1].alias, "Bee");
    EXPECT_EQ(t.roots[1].defaultExtension, ".md");
    EXPECT_EQ(t.roots[2].alias, "My Documents");
    EXPECT_EQ(t.roots[3].alias, "Ambervale");
    EXPECT_EQ(t.roots[4].alias, "C: Drive");
    EXPECT_EQ(t.current, 4);
    EXPECT_TRUE(built.messages.empty());

    settings.lastRoot = "C:\\B";  // a path matches as well as an alias
    EXPECT_EQ(BuildRootTable(settings, machine.Environment()).table.current, 1);
    settings.lastRoot = "Command Line";  // roots added at run time are gone after a restart
    EXPECT_EQ(BuildRootTable(settings, machine.Environment()).table.current, 0);

    settings.autoAddMyDocuments = settings.autoAddAmbervale = settings.autoAddCDrive = false;
    EXPECT_EQ(BuildRootTable(settings, machine.Environment()).table.count, 2);
}

TEST(RootsTest, AutomaticRootsFollowTheNetworkAdjustment)
{
    FakeMachine machine;
    machine.documents.reset();
    RootSettings settings;
    settings.autoAddAmbervale = false;
    BuiltRoots built = BuildRootTable(settings, machine.Environment("\\\\srv\\tools\\pagewick\\"));
    ASSERT_EQ(built.table.count, 1);
    EXPECT_EQ(built.table.roots[0].storedRootPath, "c:\\");
    EXPECT_EQ(built.table.roots[0].rootPath, "\\\\srv\\tools");
}

TEST(RootsTest, RootListSelectionUsesThePrefixRule)
{
    std::vector<std::string> list = {"Work", "Notes old", "Notes"};
    struct Case {
        const char* alias;
        int index;
    } cases[] = {{"Notes", 1}, {"notes OLD", 1}, {"work", 0}, {"Other", -1}};
    for (const Case& c : cases) EXPECT_EQ(RootListSelection(list, c.alias), c.index) << c.alias;
    EXPECT_EQ(RootListSelection({}, "Notes"), -1);
}

}  // namespace
}  // namespace pw
