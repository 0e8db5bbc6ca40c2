// The settings store, its pending layer and the folder-level lookup, over files kept in memory.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "memory_files.h"
#include "settings/settings_store.h"

namespace pw {
namespace {

const std::string kIni = "C:\\Pagewick\\pagewick.ini";

class SettingsStoreTest : public ::testing::Test {
protected:
    void LoadText(const std::string& text)
    {
        files.files[kIni] = text;
        store.Load(kIni);
    }

    test::MemoryFiles files;
    SettingsStore store{files};
};

TEST_F(SettingsStoreTest, MissingFileGivesDefaultsAndFirstWriteCreatesIt)
{
    store.Load(kIni);
    EXPECT_EQ(store.GetString("DefaultExtension", ".txt"), ".txt");
    EXPECT_EQ(store.GetInt("AutoSave", 2), 2);
    EXPECT_TRUE(store.Snapshot().empty());
    EXPECT_FALSE(store.SetGeneral("AutoSave", "5"));
    EXPECT_EQ(files.Text(kIni), "[General]\r\nAutoSave=5\r\n");
}

TEST_F(SettingsStoreTest, LoadKeepsFileOrderAndSkipsComments)
{
    LoadText(
        "[General]\r\nB=2\r\n;Hidden=1\r\nA=1\r\nBare\r\nB=3\r\n"
        "[BasicRoots]\r\nD:\\work=Work;.md\r\n");
    const std::vector<SettingsEntry> entries = store.Snapshot();
    ASSERT_EQ(entries.size(), 4u);
    const struct {
        const char* key;
        const char* value;
        const char* section;
        const char* comment;
    } expected[] = {{"B", "3", "General", ""},  // a later duplicate replaces the value in place
                    {"A", "1", "General", ""},
                    {"Bare", "", "General", ""},
                    {"D:\\work", "Work", "BasicRoots", ".md"}};
    for (std::size_t i = 0; i < entries.size(); ++i) {
        EXPECT_EQ(entries[i].key, expected[i].key);
        EXPECT_EQ(entries[i].value, expected[i].value);
        EXPECT_EQ(entries[i].section, expected[i].section);
        EXPECT_EQ(entries[i].comment, expected[i].comment);
        EXPECT_EQ(entries[i].file, kIni);
        EXPECT_EQ(entries[i].flag, 0);
    }
    EXPECT_FALSE(store.Has("Hidden"));
    EXPECT_TRUE(store.Has("bare"));
}

TEST_F(SettingsStoreTest, KeyInTwoSectionsReadsTheFirstAndWritesOnlyTheNamedOne)
{
    LoadText("[Other]\r\nWordWrap=no\r\n[General]\r\nWordWrap=yes\r\n");
    EXPECT_FALSE(store.GetBoolDefaultTrue("WordWrap"));
    EXPECT_TRUE(store.Set(kIni, "General", "WordWrap", "1"));
    EXPECT_FALSE(store.GetBoolDefaultTrue("WordWrap"));
    EXPECT_EQ(files.Text(kIni), "[Other]\r\nWordWrap=no\r\n[General]\r\nWordWrap=1\r\n");
    EXPECT_EQ(store.EntriesOf("General").at(0).value, "1");
}

TEST_F(SettingsStoreTest, Booleans)
{
    const struct {
        const char* stored;
        bool defaultFalse;
        bool defaultTrue;
    } cases[] = {{"Yes", true, true}, {"ON", true, true},  {"on", true, true},   {"TRUE", true, true},
                 {"1", true, true},   {"2", false, false}, {"no", false, false}, {"", false, true}};
    for (const auto& c : cases) {
        LoadText(std::string("[General]\r\nFlag=") + c.stored + "\r\n");
        EXPECT_EQ(store.GetBoolDefaultFalse("flag"), c.defaultFalse) << c.stored;
        EXPECT_EQ(store.GetBoolDefaultTrue("FLAG"), c.defaultTrue) << c.stored;
    }
    LoadText("");
    EXPECT_FALSE(store.GetBoolDefaultFalse("Flag"));
    EXPECT_TRUE(store.GetBoolDefaultTrue("Flag"));
}

TEST_F(SettingsStoreTest, Integers)
{
    const struct {
        const char* line;
        int expected;
    } cases[] = {{"AutoSave=abc", -1}, {"AutoSave=0", 0}, {"AutoSave=", 2},
                 {"AutoSave=15", 15},  {"Other=1", 2},    {"AutoSave=7;minutes", 7}};
    for (const auto& c : cases) {
        LoadText(std::string("[General]\r\n") + c.line + "\r\n");
        EXPECT_EQ(store.GetInt("AutoSave", 2), c.expected) << c.line;
    }
}

TEST_F(SettingsStoreTest, CommentSplitsAtTheFirstSemicolon)
{
    LoadText(
        "[General]\r\nBrowserSearchString=a;b\r\nX=1;c;d\r\n"
        "[BasicRoots]\r\nD:\\work=Work;.md\r\nC:\\notes=Notes;.txt\r\n");
    EXPECT_EQ(store.GetString("BrowserSearchString", ""), "a");
    EXPECT_EQ(store.GetComment("BrowserSearchString"), "b");
    EXPECT_EQ(store.GetComment("x"), "c;d");
    EXPECT_EQ(store.GetComment("BasicRoots", "d:\\work"), ".md");
    EXPECT_EQ(store.GetComment("General", "D:\\work"), "");
    EXPECT_EQ(store.GetComment("Missing"), "");
    EXPECT_EQ(store.KeysOf("basicroots"), (StringList{"D:\\work", "C:\\notes"}));
    EXPECT_EQ(store.EntriesOf("BasicRoots", 1).size(), 1u);
}

TEST_F(SettingsStoreTest, RootLineIsWrittenBackTheSameWay)
{
    const std::string text = "[BasicRoots]\r\nD:\\work=Work;.md\r\n";
    LoadText(text);
    EXPECT_TRUE(store.Set(kIni, "BasicRoots", "D:\\work", "Work", ".md"));
    EXPECT_EQ(files.Text(kIni), text);
    EXPECT_TRUE(store.Set(kIni, "BasicRoots", "D:\\work", "Job", ""));
    EXPECT_EQ(files.Text(kIni), "[BasicRoots]\r\nD:\\work=Job\r\n");
    EXPECT_EQ(store.GetComment("D:\\work"), "");
}

TEST_F(SettingsStoreTest, NewKeyIsSeenOnlyAfterReload)
{
    LoadText("[General]\r\nAutoSave=2\r\n");
    EXPECT_FALSE(store.SetGeneral("ListWidth", "300"));
    EXPECT_EQ(store.GetInt("ListWidth", 200), 200);
    EXPECT_EQ(files.Text(kIni), "[General]\r\nAutoSave=2\r\nListWidth=300\r\n");
    store.Reload();
    EXPECT_EQ(store.GetInt("ListWidth", 200), 300);
    EXPECT_TRUE(store.SetGeneralInt("ListWidth", -4));
    EXPECT_EQ(store.GetInt("ListWidth", 200), -4);
}

TEST_F(SettingsStoreTest, ValueReadsBackAsAReloadWouldSeeIt)
{
    LoadText("[General]\r\nBrowserSearchString=x\r\n");
    EXPECT_TRUE(store.SetGeneral("BrowserSearchString", "a;b"));
    EXPECT_EQ(store.GetString("BrowserSearchString", ""), "a");
    EXPECT_EQ(store.GetComment("BrowserSearchString"), "b");
    EXPECT_TRUE(store.Set(kIni, "General", "BrowserSearchString", "  a b ", "c "));
    EXPECT_EQ(store.GetString("BrowserSearchString", ""), "a b ");
    EXPECT_EQ(store.GetComment("BrowserSearchString"), "c");
    EXPECT_TRUE(store.SetGeneral("BrowserSearchString", " x\t"));
    const SettingsEntry memory = store.Snapshot().at(0);
    store.Reload();
    const SettingsEntry reloaded = store.Snapshot().at(0);
    EXPECT_EQ(memory.value, reloaded.value);
    EXPECT_EQ(memory.value, "x");
}

TEST_F(SettingsStoreTest, AWriteChangesItsOwnEntryAndNothingElse)
{
    const std::string k259(259, 'k');
    const std::string k300(300, 'k');
    const struct {
        const char* name;
        std::string before;
        std::string key;
        std::string after;
        std::string readKey;  // after a reload this key reads "v" (or, when the write was refused, "1")
        std::size_t entries = 1;
    } cases[] = {
        {"a key of blanks is refused", "[General]\r\nA=1\r\n", "  ", "[General]\r\nA=1\r\n", "A"},
        {"a key that would be a section header is refused", "[General]\r\nA=1\r\n", " [Evil]", "[General]\r\nA=1\r\n",
         "A"},
        {"a key that would be a comment is refused", "[General]\r\nA=1\r\n", ";A", "[General]\r\nA=1\r\n", "A"},
        {"a key with = is refused: it would write another key", "[General]\r\nA=1\r\n", "A=b", "[General]\r\nA=1\r\n",
         "A"},
        {"blanks around a key are not part of it", "[General]\r\nAutoSave=2\r\n", " AutoSave\t",
         "[General]\r\nAutoSave=v\r\n", "AutoSave"},
        {"every copy of a key takes the value: the store reads the last", "[General]\r\nB=2\r\nx=1\r\nb=3\r\n", "B",
         "[General]\r\nB=v\r\nx=1\r\nb=v\r\n", "B", 2},
        {"a key keeps its spelling in the file", "[General]\r\nautosave=2\r\n", "AutoSave",
         "[General]\r\nautosave=v\r\n", "AutoSave"},
        {"a long key is found by the characters the store reads", "[General]\r\n" + k300 + "=1\r\n", k259 + "zz",
         "[General]\r\n" + k300 + "=v\r\n", k259},
    };
    for (const auto& c : cases) {
        LoadText(c.before);
        store.SetGeneral(c.key, "v");
        EXPECT_EQ(files.Text(kIni), c.after) << c.name;
        store.Reload();
        const bool refused = c.after == c.before;
        EXPECT_EQ(store.GetString(c.readKey, "missing"), refused ? "1" : "v") << c.name;
        EXPECT_EQ(store.Snapshot().size(), c.entries) << c.name;
    }
}

// Inputs of the settings fuzzer (tools/fuzz/fuzz_settings.cpp) that broke the write rules, kept as found.
TEST_F(SettingsStoreTest, InputsTheFuzzerFound)
{
    using namespace std::string_literals;
    const struct {
        const char* name;
        std::string before;
        std::string section;
        std::string key;
        std::string value;
        std::string after;
        std::string readKey;
        std::string stored;  // the entry's value in the store, in memory and after a reload
        std::string query;   // what the value query reads
    } cases[] = {
        {"an empty key is refused", "", "General", "", "", "", "", "missing", "missing"},
        {"a key held by a line without = and asked with blanks around it", "[\n\0"s, "", " \0\t"s, ";", "[\n\0=;"s,
         "\0"s, "", ";"},
        {"a value of blanks reads back empty from memory too", "[\n\x1E", "", "\x1E", " ", "[\n\x1E= ", "\x1E", "", ""},
    };
    auto storedValue = [&](const std::string& key) {
        for (const SettingsEntry& entry : store.Snapshot()) {
            if (entry.key == key) return entry.value;
        }
        return std::string("missing");
    };
    for (const auto& c : cases) {
        LoadText(c.before);
        store.Set(kIni, c.section, c.key, c.value);
        EXPECT_EQ(files.Text(kIni), c.after) << c.name;
        EXPECT_EQ(storedValue(c.readKey), c.stored) << c.name << ": memory";
        store.Reload();
        EXPECT_EQ(storedValue(c.readKey), c.stored) << c.name << ": reload";
        EXPECT_EQ(IniText(files.Text(kIni)).Value(c.section, c.readKey).value_or("missing"), c.query) << c.name;
    }
}

TEST_F(SettingsStoreTest, LineEndsInValuesNeverCreateEntries)
{
    LoadText("[General]\r\nNoteFont=Arial\r\n");
    EXPECT_TRUE(store.SetGeneral("NoteFont", "Courier\r\nAutoSave=0\n[Evil]"));
    EXPECT_TRUE(store.Set(kIni, "General", "NoteFont", "x", "c\r\nLogBack=1"));
    store.Reload();
    EXPECT_FALSE(store.Has("AutoSave"));
    EXPECT_FALSE(store.Has("LogBack"));
    EXPECT_EQ(store.GetString("NoteFont", ""), "x");
    EXPECT_EQ(store.GetComment("NoteFont"), "c  LogBack=1");
}

TEST_F(SettingsStoreTest, LongFieldsAreCut)
{
    LoadText("[General]\r\n" + std::string(300, 'k') + "=" + std::string(300, 'v') + ";" + std::string(300, 'c') +
             "\r\n");
    const SettingsEntry entry = store.Snapshot().at(0);
    EXPECT_EQ(entry.key, std::string(259, 'k'));
    EXPECT_EQ(entry.value, std::string(259, 'v'));
    EXPECT_EQ(entry.comment, std::string(259, 'c'));
    EXPECT_EQ(store.GetString(std::string(259, 'k'), ""), std::string(259, 'v'));
}

TEST_F(SettingsStoreTest, CommaLists)
{
    const struct {
        const char* value;
        StringList expected;
    } cases[] = {{"txt,,md, log", {"txt", "md", " log"}}, {",,,", {}}, {"", {}}, {"one", {"one"}}, {",a,", {"a"}}};
    for (const auto& c : cases) {
        LoadText(std::string("[General]\r\nTextExtraExtensions=") + c.value + "\r\n");
        EXPECT_EQ(store.GetList("TextExtraExtensions"), c.expected) << c.value;
    }
    std::string many;
    for (int i = 0; i < 300; ++i) many += "x,";
    EXPECT_EQ(SplitCommaList(many).size(), 259u);
    EXPECT_EQ(SplitCommaList(std::string(300, 'y')).at(0), std::string(258, 'y'));
}

TEST_F(SettingsStoreTest, DeleteSectionRewritesTheFile)
{
    LoadText("[General]\r\nA=1\r\n[basicroots] old\r\nC:\\=C\r\n[BasicRootsOld]\r\nD:\\=D\r\n");
    EXPECT_TRUE(store.DeleteSection(kIni, "BasicRoots"));
    EXPECT_EQ(files.Text(kIni), "[General]\r\nA=1\r\n[BasicRootsOld]\r\nD:\\=D\r\n");
    EXPECT_FALSE(store.DeleteSection("", "BasicRoots"));
    EXPECT_FALSE(store.DeleteSection("C:\\missing.ini", "BasicRoots"));
    EXPECT_FALSE(files.FileExists("C:\\missing.ini"));
}

TEST_F(SettingsStoreTest, FailedWritesAreReported)
{
    LoadText("[General]\r\nAutoSave=2\r\n[BasicRoots]\r\nC:\\=C\r\n");
    const std::string before = files.Text(kIni);
    std::vector<std::string> reports;
    store.OnWriteFailure([&](const std::string& file) { reports.push_back(file); });
    files.failWrites = true;
    store.SetGeneral("AutoSave", "3");
    EXPECT_FALSE(store.SetGeneral("ListWidth", "3"));
    EXPECT_FALSE(store.DeleteSection(kIni, "BasicRoots"));
    EXPECT_EQ(reports, (std::vector<std::string>{kIni, kIni, kIni}));
    EXPECT_EQ(files.Text(kIni), before);
    files.failWrites = false;
    store.SetGeneral("AutoSave", "4");
    EXPECT_EQ(reports.size(), 3u);
}

TEST_F(SettingsStoreTest, AFileThatCannotBeReadIsNeverRebuilt)
{
    const std::string text = "[General]\r\nAutoSave=2\r\nListWidth=200\r\n[BasicRoots]\r\nC:\\=C\r\n";
    std::vector<std::string> reports;
    store.OnWriteFailure([&](const std::string& file) { reports.push_back(file); });
    for (bool loadedFirst : {true, false}) {
        reports.clear();
        files.unreadable.clear();
        if (loadedFirst) {
            LoadText(text);  // held by another program only after start-up
        } else {
            files.files[kIni] = text;
        }
        files.unreadable.insert(kIni);
        if (!loadedFirst) store.Load(kIni);  // held at start-up: nothing loads, the file still exists
        EXPECT_EQ(store.Snapshot().size(), loadedFirst ? 3u : 0u);
        store.SetGeneralInt("ListWidth", 300);
        store.Set(kIni, "BasicRoots", "D:\\work", "Work", ".md");
        EXPECT_FALSE(store.DeleteSection(kIni, "BasicRoots"));
        EXPECT_EQ(files.writeAttempts, 0) << loadedFirst;
        EXPECT_EQ(files.Text(kIni), text) << loadedFirst;
        EXPECT_EQ(reports, (std::vector<std::string>{kIni, kIni})) << loadedFirst;
    }
}

TEST_F(SettingsStoreTest, AByteOrderMarkKeepsTheFirstSection)
{
    const std::string mark = "\xEF\xBB\xBF";
    LoadText(mark + "[General]\r\nListWidth=250\r\nAutoSave=5\r\n");
    EXPECT_EQ(store.GetInt("ListWidth", 200), 250);
    EXPECT_TRUE(store.SetGeneralInt("ListWidth", 300));
    EXPECT_FALSE(store.SetGeneral("WordWrap", "0"));
    EXPECT_EQ(files.Text(kIni), mark + "[General]\r\nListWidth=300\r\nAutoSave=5\r\nWordWrap=0\r\n");
    store.Reload();
    EXPECT_EQ(store.GetInt("ListWidth", 200), 300);
    EXPECT_EQ(store.GetInt("AutoSave", 2), 5);
    EXPECT_FALSE(store.GetBoolDefaultTrue("WordWrap"));
}

TEST(SettingsFile, NamedAfterTheProgram)
{
    EXPECT_EQ(SettingsFileFor("C:\\Program Files\\Pagewick\\pagewick.exe"),
              "C:\\Program Files\\Pagewick\\pagewick.ini");
    EXPECT_EQ(SettingsFileFor("D:\\tools\\pw.v2.exe"), "D:\\tools\\pw.v2.ini");
}

class PendingSettingsTest : public SettingsStoreTest {
protected:
    PendingSettings pending{store};
};

TEST_F(PendingSettingsTest, GetFillsTheLayerFromTheStore)
{
    LoadText("[General]\r\nAutoSave=5;min\r\n[Other]\r\nFont=Arial;bold\r\n");
    EXPECT_EQ(pending.Get("AutoSave", "2"), "5");
    EXPECT_EQ(pending.GetInt("ListWidth", 200), 200);
    EXPECT_EQ(pending.Get("Other", "font", "x"), "Arial");
    ASSERT_EQ(pending.Entries().size(), 3u);
    EXPECT_EQ(pending.Entries()[0].comment, "min");
    EXPECT_EQ(pending.Entries()[1].section, "General");
    EXPECT_EQ(pending.Entries()[2].section, "Other");
    EXPECT_EQ(pending.Entries()[2].comment, "bold");

    pending.Set("AutoSave", "9");
    EXPECT_EQ(pending.Get("autosave", "2"), "9");
    EXPECT_EQ(pending.Entries()[0].comment, "");
    EXPECT_EQ(store.GetInt("AutoSave", 2), 5);  // nothing reaches the store before commit
}

TEST_F(PendingSettingsTest, CommitRebuildsQueuedSectionsThenWritesTheEntries)
{
    LoadText("[General]\r\nAutoSave=5\r\n[BasicRoots]\r\nC:\\=C\r\nD:\\old=Old;.txt\r\n");
    EXPECT_EQ(pending.KeysOf("BasicRoots"), (StringList{"C:\\", "D:\\old"}));
    pending.QueueSectionDeletion("BasicRoots");
    pending.QueueSectionDeletion("basicroots");
    EXPECT_EQ(pending.DeletionQueue(), (StringList{"BasicRoots"}));
    EXPECT_TRUE(pending.KeysOf("BasicRoots").empty());  // the deleted entries do not come back
    pending.Set("BasicRoots", "D:\\work", "Work", ".md");
    pending.Set("ListWidth", "250");
    pending.Set("", "Orphan", "1", "");
    pending.Commit();

    EXPECT_EQ(files.Text(kIni),
              "[General]\r\nAutoSave=5\r\nListWidth=250\r\n\r\n[BasicRoots]\r\nD:\\work=Work;.md\r\n");
    EXPECT_TRUE(pending.Entries().empty());
    EXPECT_TRUE(pending.DeletionQueue().empty());
    store.Reload();
    EXPECT_EQ(store.KeysOf("BasicRoots"), (StringList{"D:\\work"}));
    EXPECT_EQ(store.GetInt("ListWidth", 200), 250);
}

TEST_F(PendingSettingsTest, CommitWritesOnlyWhatChangedInOneWrite)
{
    const std::string text = "[General]\r\nAutoSave=5\r\nUseStatBar=yes\r\n[BasicRoots]\r\nC:\\=C\r\nD:\\w=W;.md\r\n";
    LoadText(text);
    const int writesBefore = files.writeAttempts;
    // Read and set back as they were, an absent key shown with its default, a section rebuilt as stored.
    pending.Set("AutoSave", pending.Get("AutoSave", "2"));
    pending.Set("NoteShowWordCount", pending.Get("NoteShowWordCount", "1"));
    for (const std::string& key : pending.KeysOf("BasicRoots")) {
        const std::string alias = pending.Get("BasicRoots", key, "");
        const std::string extension = key == "C:\\" ? "" : ".md";
        pending.Set("BasicRoots", key, alias, extension);
    }
    pending.QueueSectionDeletion("BasicRoots");
    pending.Set("BasicRoots", "C:\\", "C", "");
    pending.Set("BasicRoots", "D:\\w", "W", ".md");
    pending.Commit();
    EXPECT_EQ(files.Text(kIni), text);
    EXPECT_EQ(files.writeAttempts, writesBefore);

    // A check box shown unmarked for "yes" writes "0"; two changes reach the file in one write.
    pending.Get("UseStatBar", "0");
    pending.Set("UseStatBar", "0");
    pending.Get("AutoSave", "2");
    pending.Set("AutoSave", "7");
    pending.Commit();
    EXPECT_EQ(files.Text(kIni), "[General]\r\nAutoSave=7\r\nUseStatBar=0\r\n[BasicRoots]\r\nC:\\=C\r\nD:\\w=W;.md\r\n");
    EXPECT_EQ(files.writeAttempts, writesBefore + 1);
}

TEST_F(PendingSettingsTest, CommitRefusesAFileThatCannotBeRead)
{
    LoadText("[General]\r\nAutoSave=5\r\n");
    files.unreadable.insert(kIni);
    std::vector<std::string> reported;
    store.OnWriteFailure([&](const std::string& path) { reported.push_back(path); });
    pending.Set("AutoSave", "7");
    pending.Commit();
    files.unreadable.clear();
    EXPECT_EQ(files.Text(kIni), "[General]\r\nAutoSave=5\r\n");
    EXPECT_EQ(reported, (std::vector<std::string>{kIni}));
}

TEST_F(PendingSettingsTest, KeysOfTakesTheStoreSectionOnce)
{
    LoadText("[keywords]\r\nwork\r\nhome\r\n");
    EXPECT_EQ(pending.KeysOf("keywords"), (StringList{"work", "home"}));
    pending.Set("keywords", "todo", "", "");
    EXPECT_EQ(pending.KeysOf("keywords"), (StringList{"work", "home", "todo"}));
}

TEST_F(PendingSettingsTest, DiscardForgetsEverything)
{
    LoadText("[General]\r\nAutoSave=5\r\n[BasicRoots]\r\nC:\\=C\r\n");
    const std::string before = files.Text(kIni);
    pending.Set("AutoSave", "1");
    pending.QueueSectionDeletion("BasicRoots");
    pending.Discard();
    pending.Commit();
    EXPECT_EQ(files.Text(kIni), before);
}

class FolderSettingTest : public SettingsStoreTest {
protected:
    void SetUp() override { LoadText("[General]\r\nIndexFile=store.txt\r\n"); }
    std::string Lookup() { return FolderSetting(store, "D:\\root\\sub", "D:\\root\\", "IndexFile", "_index.txt"); }
};

TEST_F(FolderSettingTest, LayersAskedInOrder)
{
    EXPECT_EQ(Lookup(), "store.txt");
    files.files["D:\\root\\pagewick.fw"] = "[General]\r\nIndexFile=root.txt\r\n";
    EXPECT_EQ(Lookup(), "root.txt");
    files.files["D:\\root\\ferrowind.fw"] = "[General]\r\nOther=1\r\n";  // the earlier name wins, lacks the key
    EXPECT_EQ(Lookup(), "store.txt");
    files.files["D:\\root\\ferrowind.fw"] = "[General]\r\nIndexFile=earlier.txt\r\n";
    EXPECT_EQ(Lookup(), "earlier.txt");
    files.files["D:\\root\\sub\\pagewick.fw"] = "[General]\r\nIndexFile=\r\n";
    EXPECT_EQ(Lookup(), "");  // a present key answers even when empty
    files.files["D:\\root\\sub\\pagewick.fw"] = "[Other]\r\nIndexFile=no\r\n";
    EXPECT_EQ(Lookup(), "earlier.txt");
    EXPECT_EQ(FolderSetting(store, "", "D:\\root\\sub", "IndexFile", "x"), "store.txt");
    EXPECT_EQ(FolderSetting(store, "", "", "Missing", "x"), "x");
}

}  // namespace
}  // namespace pw
