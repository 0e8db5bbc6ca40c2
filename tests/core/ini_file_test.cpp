// INI text read and written the way the system's private-profile functions do it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "memory_files.h"
#include "settings/ini_file.h"

namespace pw {
namespace {

TEST(IniFile, BytesRoundTripUnchanged)
{
    const char* files[] = {"",
                           "[General]\r\nAutoSave=2\r\n",
                           "; note\n[General]\nA = 1 \n\n[keywords]\nwork\n",
                           "[General]\r\nA=1",
                           "text before any section\r\n[S]\r\n\r\n\r\n",
                           "\xEF\xBB\xBF",
                           "\xEF\xBB\xBF[General]\r\nA=1\r\n",
                           "[A]\r\nx=1\ny=2\r\n",
                           "[A]\nx=1\r",
                           "[A]\rx=1\r\r\n"};
    for (const char* bytes : files) EXPECT_EQ(IniText(bytes).Bytes(), bytes) << bytes;
}

TEST(IniFile, ValueLookup)
{
    const IniText ini(
        "orphan=0\r\n"
        "[General]\r\n"
        "  AutoSave =  5  \r\n"
        "Quoted=\"  spaced  \"\r\n"
        "Single='x'\r\n"
        "Half=\"x\r\n"
        "Bare\r\n"
        "autosave=9\r\n"
        "[ Other ]\r\n"
        "Key=second\r\n"
        "[general]\r\n"
        "Late=1\r\n");
    const struct {
        const char* section;
        const char* key;
        std::optional<std::string> expected;
    } cases[] = {{"General", "AutoSave", "5"},        {"GENERAL", "autosave", "5"},
                 {"General", "Quoted", "  spaced  "}, {"General", "Single", "x"},
                 {"General", "Half", "\"x"},          {"General", "Bare", ""},
                 {"Other", "key", "second"},          {"General", "Missing", std::nullopt},
                 {"General", "orphan", std::nullopt}, {"Nowhere", "Key", std::nullopt},
                 {"General", "Late", std::nullopt}};  // only the first section of a name is read
    for (const auto& c : cases) EXPECT_EQ(ini.Value(c.section, c.key), c.expected) << c.section << "/" << c.key;
}

TEST(IniFile, SectionNamesAndLines)
{
    const IniText ini("[General]\r\n  A = 1 \r\n\r\n;comment\r\nbare \r\n[keywords]\r\n[GENERAL]\r\nB=2\r\n");
    EXPECT_EQ(ini.SectionNames(), (std::vector<std::string>{"General", "keywords"}));
    EXPECT_EQ(ini.SectionLines("general"), (std::vector<std::string>{"A=1", ";comment", "bare"}));
    EXPECT_TRUE(ini.SectionLines("keywords").empty());
    EXPECT_TRUE(ini.SectionLines("missing").empty());
}

TEST(IniFile, SetValueWritesLikeTheSystem)
{
    const struct {
        const char* name;
        const char* before;
        const char* section;
        const char* key;
        const char* value;
        const char* after;
    } cases[] = {
        {"replaces every copy of the key, keeping its spelling", "[General]\r\nA=1\r\nB=2\r\nb=3\r\n", "general", "B",
         "9", "[General]\r\nA=1\r\nB=9\r\nb=9\r\n"},
        {"appends after the last line of the section", "[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n", "A", "z", "3",
         "[A]\r\nx=1\r\nz=3\r\n\r\n[B]\r\ny=2\r\n"},
        {"appends to an empty section", "[A]\r\n[B]\r\n", "A", "k", "v", "[A]\r\nk=v\r\n[B]\r\n"},
        {"appends a new section after a blank line", "[A]\r\nx=1\r\n", "B", "k", "v",
         "[A]\r\nx=1\r\n\r\n[B]\r\nk=v\r\n"},
        {"creates the first section", "", "General", "k", "v", "[General]\r\nk=v\r\n"},
        {"keeps bare line feeds", "[A]\nx=1\n", "A", "x", "2", "[A]\nx=2\n"},
        {"ends a file that had no final line end", "[A]\nx=1", "A", "y", "2", "[A]\nx=1\ny=2\n"},
        {"keeps comments and untouched lines", "; top\r\n[A]\r\n;x=0\r\n x = 1 \r\n", "A", "x", "5",
         "; top\r\n[A]\r\n;x=0\r\nx=5\r\n"},
        {"writes the first of two sections", "[A]\r\nx=1\r\n[A]\r\nx=2\r\n", "A", "x", "3",
         "[A]\r\nx=3\r\n[A]\r\nx=2\r\n"},
        {"flattens line ends in a value", "[A]\r\n", "A", "k", "a\r\nB=1\nC=2", "[A]\r\nk=a  B=1 C=2\r\n"},
        {"flattens line ends in a key", "[A]\r\n", "A", "k\r\nB", "1", "[A]\r\nk  B=1\r\n"},
        {"flattens line ends in a section", "", "A\nB", "k", "1", "[A B]\r\nk=1\r\n"},
    };
    for (const auto& c : cases) {
        IniText ini(c.before);
        ini.SetValue(c.section, c.key, c.value);
        EXPECT_EQ(ini.Bytes(), c.after) << c.name;
    }
}

TEST(IniFile, SetValueThenValueReadsBack)
{
    IniText ini;
    ini.SetValue("BasicRoots", "D:\\work", "Work;.md");
    EXPECT_EQ(ini.Value("basicroots", "d:\\WORK"), "Work;.md");
    EXPECT_EQ(ini.SectionLines("BasicRoots"), (std::vector<std::string>{"D:\\work=Work;.md"}));
}

TEST(IniFile, DropSectionMatchesTheHeaderAsAPrefix)
{
    const struct {
        const char* name;
        const char* before;
        bool dropped;
        const char* after;
    } cases[] = {
        {"exact header", "[General]\r\nA=1\r\n[BasicRoots]\r\nC:\\=C\r\n[keywords]\r\nk\r\n", true,
         "[General]\r\nA=1\r\n[keywords]\r\nk\r\n"},
        {"other case and trailing text", "[basicroots] old\r\nC:\\=C\r\n\r\n[General]\r\n", true, "[General]\r\n"},
        {"longer name stays", "[BasicRootsOld]\r\nC:\\=C\r\n", false, "[BasicRootsOld]\r\nC:\\=C\r\n"},
        {"runs to the end", "[General]\r\nA=1\r\n[BasicRoots]\r\nC:\\=C\r\nD:\\=D", true, "[General]\r\nA=1\r\n"},
        {"every copy goes", "[BasicRoots]\r\na=1\r\n[BasicRoots]\r\nb=2\r\n[X]\r\n", true, "[X]\r\n"},
        {"indented header is not a header here", "[X]\r\n [BasicRoots]\r\na=1\r\n", false,
         "[X]\r\n [BasicRoots]\r\na=1\r\n"},
        {"stops at any header the reader sees", "[BasicRoots]\r\nC:\\=C\r\n [General]\r\nA=1\r\n", true,
         " [General]\r\nA=1\r\n"},
        {"missing section", "[General]\r\nA=1\r\n", false, "[General]\r\nA=1\r\n"},
    };
    for (const auto& c : cases) {
        IniText ini(c.before);
        EXPECT_EQ(ini.DropSection("BasicRoots"), c.dropped) << c.name;
        EXPECT_EQ(ini.Bytes(), c.after) << c.name;
    }
}

TEST(IniFile, ReadAndWriteThroughFileAccess)
{
    test::MemoryFiles files;
    const std::string path = "C:\\prog\\pagewick.fw";
    EXPECT_EQ(ReadIniValue(files, path, "General", "IndexFile", "_index.txt"), "_index.txt");
    EXPECT_TRUE(WriteIniValue(files, path, "General", "IndexFile", "index.md"));
    EXPECT_EQ(files.Text(path), "[General]\r\nIndexFile=index.md\r\n");
    EXPECT_EQ(ReadIniValue(files, path, "General", "IndexFile", "_index.txt"), "index.md");
    EXPECT_EQ(ReadIniValue(files, path, "General", "Other", "dflt"), "dflt");

    files.files[path] = "[General]\r\nLong=" + std::string(300, 'v') + "\r\nEmpty=\r\n";
    EXPECT_EQ(ReadIniValue(files, path, "General", "Long", ""), std::string(259, 'v'));
    EXPECT_EQ(ReadIniValue(files, path, "General", "Empty", "dflt"), "");  // present but empty is not missing

    files.failWrites = true;
    EXPECT_FALSE(WriteIniValue(files, path, "General", "IndexFile", "x"));
    EXPECT_EQ(ReadIniValue(files, path, "General", "Empty", "dflt"), "");
}

TEST(IniFile, AByteOrderMarkIsSkippedOnReadingAndKeptOnWriting)
{
    const std::string mark = "\xEF\xBB\xBF";
    IniText ini(mark + "[General]\r\nA=1\r\n[Other]\r\nB=2\r\n");
    EXPECT_EQ(ini.SectionNames(), (std::vector<std::string>{"General", "Other"}));
    EXPECT_EQ(ini.Value("General", "A"), "1");
    ini.SetValue("General", "C", "3");
    EXPECT_EQ(ini.Bytes(), mark + "[General]\r\nA=1\r\nC=3\r\n[Other]\r\nB=2\r\n");

    IniText roots(mark + "[BasicRoots]\r\nC:\\=C\r\n[General]\r\nA=1\r\n");
    EXPECT_TRUE(roots.DropSection("BasicRoots"));
    EXPECT_EQ(roots.Bytes(), mark + "[General]\r\nA=1\r\n");

    IniText bare(mark);
    bare.SetValue("General", "A", "1");
    EXPECT_EQ(bare.Bytes(), mark + "[General]\r\nA=1\r\n");
}

TEST(IniFile, AFileThatCannotBeReadIsNeverRewritten)
{
    test::MemoryFiles files;
    const std::string path = "C:\\notes\\x.txt.fw";
    const std::string text = "[General]\r\nFileName=C:\\notes\\x.txt\r\nkeywords=work\r\n";
    files.files[path] = text;
    files.unreadable.insert(path);
    EXPECT_FALSE(WriteIniValue(files, path, "General", "FileName", "C:\\notes\\x.txt"));
    EXPECT_EQ(files.writeAttempts, 0);
    EXPECT_EQ(files.Text(path), text);
    EXPECT_EQ(ReadIniValue(files, path, "General", "keywords", "dflt"), "dflt");
}

}  // namespace
}  // namespace pw
