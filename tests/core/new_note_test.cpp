#include "notes/new_note.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "library/perpetual_notes.h"
#include "library/roots.h"

namespace pw {
namespace {

TEST(NewNoteTest, TheFirstFreeNumberedNameWithTheRootsExtension)
{
    struct Case {
        std::set<std::string> existing;
        const char* extension;
        const char* expected;
    } cases[] = {
        {{}, ".txt", "New Note.txt"},
        {{}, ".md", "New Note.md"},
        {{"D:\\n\\New Note.txt"}, ".txt", "New Note_1.txt"},
        {{"D:\\n\\New Note.txt", "D:\\n\\New Note_1.txt"}, ".txt", "New Note_2.txt"},
        // A gap is filled, and a name taken with another extension does not count.
        {{"D:\\n\\New Note.txt", "D:\\n\\New Note_2.txt"}, ".txt", "New Note_1.txt"},
        {{"D:\\n\\New Note.txt"}, ".md", "New Note.md"},
    };
    for (const Case& c : cases) {
        auto exists = [&](const std::string& path) { return c.existing.count(path) != 0; };
        EXPECT_EQ(NextNewNoteName("D:\\n", c.extension, exists).value_or("(none)"), c.expected) << c.expected;
    }
}

TEST(NewNoteTest, ANameThatWouldNotFitAPathIsRefused)
{
    const std::string folder = "D:\\" + std::string(246, 'f');  // 249 characters: "\New Note.txt" makes 262
    auto none = [](const std::string&) { return false; };
    EXPECT_EQ(NextNewNoteName(folder, ".txt", none), std::nullopt);
    // Fits without a number but not with one: the numbered name is refused, never cut.
    const std::string edge = "D:\\" + std::string(242, 'f');  // 245 + 1 + 12 = 258; "_1" makes 260
    EXPECT_EQ(NextNewNoteName(edge, ".txt", none).value_or(""), "New Note.txt");
    auto taken = [&](const std::string& path) { return path == edge + "\\New Note.txt"; };
    EXPECT_EQ(NextNewNoteName(edge, ".txt", taken), std::nullopt);
}

TEST(NewNoteTest, TemplatesAreLookedForInTheNoteFolderThenTheRoot)
{
    EXPECT_EQ(NoteTemplatePaths("D:\\n\\work\\", "D:\\n"),
              (std::vector<std::string>{"D:\\n\\work\\template.fw", "D:\\n\\template.fw"}));
    EXPECT_EQ(NoteTemplatePaths("D:\\" + std::string(250, 'f'), "D:\\n"),
              std::vector<std::string>{"D:\\n\\template.fw"});
}

TEST(NewNoteTest, OnlyTheFirstOfEachPlaceholderIsFilled)
{
    struct Case {
        std::string text;
        std::string expected;
    } cases[] = {
        {"Date: $notetemplatedate $notetemplatetime\r\n", "Date: 2026-03-07 03:05PM\r\n"},
        {"$notetemplatedate and $notetemplatedate", "2026-03-07 and $notetemplatedate"},
        {"$notetemplatetime$notetemplatetime$notetemplatedate", "03:05PM$notetemplatetime2026-03-07"},
        {"no placeholders", "no placeholders"},
        {"", ""},
        // Texts of any length: a placeholder far beyond 259 characters is found and filled.
        {std::string(70000, '.') + "$notetemplatedate", std::string(70000, '.') + "2026-03-07"},
    };
    for (const Case& c : cases) EXPECT_EQ(FillNoteTemplate(c.text, "2026-03-07", "03:05PM"), c.expected);
}

class PerpetualNoteTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        env.programFolder = "D:\\pagewick\\";
        env.documentsFolder = [] { return std::optional<std::string>("C:\\Users\\me\\Documents"); };
        env.exists = [](const std::string&) { return true; };
        AddRoot(roots, "C:\\notes", "C:\\notes", "Notes", ".md", ".txt");
    }

    RootTable roots;
    PathEnvironment env;
};

TEST_F(PerpetualNoteTest, FourPartsNameTheRootFolderSelectionAndFile)
{
    const std::optional<PlaceRecord> place = PerpetualPlace("C:\\notes|C:\\notes|work|today.txt", roots, env, ".txt");
    ASSERT_TRUE(place);
    EXPECT_EQ(place->inUse, 1);
    EXPECT_EQ(place->rootPath, "C:\\notes");
    EXPECT_EQ(place->folderPath, "C:\\notes");
    EXPECT_EQ(place->selectedFolder, "work");
    EXPECT_EQ(place->fileFolder, "C:\\notes\\work");
    EXPECT_EQ(place->file, "today.txt");
    EXPECT_EQ(place->alias, "Notes");  // taken from the root in the table
    EXPECT_EQ(place->defaultExtension, ".md");
}

TEST_F(PerpetualNoteTest, OddValuesAndRootsOutsideTheTable)
{
    // Runs of "|" count as one: a note in the folder path itself has no selected folder.
    const std::optional<PlaceRecord> flat = PerpetualPlace("C:\\notes||C:\\notes||top.txt", roots, env, ".txt");
    ASSERT_TRUE(flat);
    EXPECT_EQ(flat->selectedFolder, "");
    EXPECT_EQ(flat->fileFolder, "");
    EXPECT_EQ(flat->file, "top.txt");

    // A root that is not in the table keeps its own path as alias and the default extension.
    const std::optional<PlaceRecord> other =
        PerpetualPlace("%MyDocuments%\\x|%MyDocuments%\\x|a|b.txt", roots, env, ".wki");
    ASSERT_TRUE(other);
    EXPECT_EQ(other->rootPath, "C:\\Users\\me\\Documents\\x");
    EXPECT_EQ(other->storedRootPath, "%MyDocuments%\\x");
    EXPECT_EQ(other->alias, "C:\\Users\\me\\Documents\\x");
    EXPECT_EQ(other->defaultExtension, ".wki");

    for (const char* value : {"", "|||", "C:\\notes", "C:\\notes|today.txt", "a|b|c|d|e"})
        EXPECT_EQ(PerpetualPlace(value, roots, env, ".txt"), std::nullopt) << value;
}

}  // namespace
}  // namespace pw
