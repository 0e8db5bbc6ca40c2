#include "notes/note_text.h"

#include <gtest/gtest.h>

#include <set>

namespace pw {
namespace {

using namespace std::string_literals;

TEST(NoteTextTest, LoadConversions)
{
    struct Case {
        std::string bytes;
        bool bom;
        bool newLines;
        std::string text;
        bool nul;
    } cases[] = {
        {"\xEF\xBB\xBFhi", true, true, "hi", false},
        {"\xEF\xBB\xBFhi", false, true, "\xEF\xBB\xBFhi", false},
        {"\xEF\xBBhi", true, true, "\xEF\xBBhi", false},        // an incomplete mark stays
        {"a\xEF\xBB\xBF", true, true, "a\xEF\xBB\xBF", false},  // only at the start
        {"a\nb\r\nc\n", true, true, "a\r\nb\r\nc\r\n", false},
        {"a\nb\r\nc\n", true, false, "a\nb\r\nc\n", false},
        {"\n\nx", true, true, "\r\n\r\nx", false},  // an LF at the very start counts as not preceded
        {"a\r\rb\n\r", true, true, "a\r\rb\r\n\r", false},
        {"\xEF\xBB\xBF\nx", true, true, "\r\nx", false},
        {"ab\0cd\n"s, true, true, "ab", true},
        {"\0"s, true, true, "", true},
        {"", true, true, "", false},
    };
    for (const Case& c : cases) {
        LoadedNote note = ConvertLoadedBytes(c.bytes, c.bom, c.newLines);
        EXPECT_EQ(note.text, c.text) << c.bytes;
        EXPECT_EQ(note.heldNulBytes, c.nul) << c.bytes;
    }
}

TEST(NoteTextTest, UnsavedMarker)
{
    EXPECT_TRUE(IsNewUnsavedMarker("$NEW$UNSAVED$"));
    EXPECT_TRUE(IsNewUnsavedMarker("$new$unsaved$"));
    EXPECT_FALSE(IsNewUnsavedMarker("$NEW$UNSAVED$.txt"));
    EXPECT_FALSE(IsNewUnsavedMarker(""));
}

TEST(NoteTextTest, NamingAnUnsavedNote)
{
    struct Case {
        const char* typed;
        const char* extension;
        std::optional<std::string> name;
    } cases[] = {
        {"my note", ".md", "my note.md"},
        {"a%20b:c", ".txt", "a b_c.txt"},
        {"notes.fw", ".md", "notes.fw"},
        {"todo.MD", ".md", "todo.MD"},
        {"todo.txt", ".md", "todo.txt.md"},
        {"100%?[x]\\y", ".txt", "100___x__y.txt"},
        {"a/b*c<d>e|f\"g", ".txt", "a_b_c_d_e_f_g.txt"},  // names the file system would refuse
        {".md", ".md", ".md.md"},                         // a name ends with a suffix only when longer
        {"", ".md", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(NameForUnsavedNote(c.typed, c.extension), c.name) << c.typed;
    EXPECT_EQ(NameForUnsavedNote(std::string(300, 'n'), ".txt")->size(), 259u);
}

TEST(NoteTextTest, InfoFilePaths)
{
    const std::string folder = FileInfoFolder("", "C:\\Program Files\\Pagewick\\");
    EXPECT_EQ(folder, "C:\\Program Files\\Pagewick\\file_info");
    EXPECT_EQ(FileInfoFolder("E:\\info", "C:\\p\\"), "E:\\info");
    struct Case {
        const char* file;
        bool withOriginal;
        std::optional<std::string> info;
    } cases[] = {
        {"D:\\notes\\notes.txt", true, "D:\\notes\\notes.txt.fw"},
        {"D:\\notes\\x.txt", false, folder + "\\notes_x.txt.fw"},
        {"C:\\notes\\work\\a.txt", false, folder + "\\notes_work_a.txt.fw"},
        {"\\\\server\\share\\notes\\a.txt", false, folder + "\\notes_a.txt.fw"},
        {"\\\\server", false, std::nullopt},
        {"", true, std::nullopt},
        {"", false, std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(InfoFilePath(c.file, c.withOriginal, folder), c.info) << c.file;

    const std::string longFile = "D:\\" + std::string(254, 'x');  // 257 characters: ".fw" does not fit
    EXPECT_EQ(InfoFilePath(longFile, true, folder), std::nullopt);
    EXPECT_EQ(InfoFilePath(longFile, false, folder), std::nullopt);
}

TEST(NoteTextTest, FreeFileNames)
{
    std::set<std::string> taken = {"C:\\n\\a.png",       "C:\\n\\a_001.png", "C:\\n\\pic_007.png",
                                   "C:\\n\\pic_008.png", "C:\\n\\x_0.png",   "C:\\n\\noext"};
    auto exists = [&](const std::string& p) { return taken.count(p) > 0; };
    struct Case {
        const char* path;
        std::optional<std::string> free;
    } cases[] = {
        {"C:\\n\\new.png", "C:\\n\\new.png"},         {"C:\\n\\a.png", "C:\\n\\a_002.png"},
        {"C:\\n\\pic_007.png", "C:\\n\\pic_009.png"},  // counting goes on from the number in the name
        {"C:\\n\\x_0.png", "C:\\n\\x_001.png"},        // 0 counts as 1
        {"C:\\n\\noext", "C:\\n\\noext_001"},
    };
    for (const Case& c : cases) EXPECT_EQ(FreeFileName(c.path, exists), c.free) << c.path;

    for (int i = 1; i <= 99; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "C:\\n\\a_%03d.png", i);
        taken.insert(name);
    }
    EXPECT_EQ(FreeFileName("C:\\n\\a.png", exists), std::nullopt);  // at most 99 is tried
    taken.insert("C:\\n\\b_500.png");
    EXPECT_EQ(FreeFileName("C:\\n\\b_500.png", exists), std::nullopt);
}

}  // namespace
}  // namespace pw
