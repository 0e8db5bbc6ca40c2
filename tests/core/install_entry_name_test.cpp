// Which release-archive entry names the installer writes, and which it refuses before writing anything.
#include "install/entry_name.h"

#include <string>

#include <gtest/gtest.h>

namespace inst {
namespace {

struct NameCase {
    const char* name;
    EntryProblem problem;
    const char* path;  // the safe relative form when accepted
    bool folder;
};

TEST(InstallEntryNameTest, AcceptsRelativeNamesAndRefusesEscapes)
{
    const NameCase cases[] = {
        {"Pagewick.exe", EntryProblem::None, "Pagewick.exe", false},
        {"support/markup.css", EntryProblem::None, "support\\markup.css", false},
        {"support\\help\\Licence.txt", EntryProblem::None, "support\\help\\Licence.txt", false},
        {"support/help/", EntryProblem::None, "support\\help", true},
        {"file_info\\", EntryProblem::None, "file_info", true},
        {"a//b/./c.txt", EntryProblem::None, "a\\b\\c.txt", false},
        {"./readme.txt", EntryProblem::None, "readme.txt", false},
        {"notes..old.txt", EntryProblem::None, "notes..old.txt", false},
        {"..", EntryProblem::ParentStep, "", false},
        {"../evil.exe", EntryProblem::ParentStep, "", false},
        {"..\\evil.exe", EntryProblem::ParentStep, "", false},
        {"support/../../evil.exe", EntryProblem::ParentStep, "", false},
        {"support\\..", EntryProblem::ParentStep, "", false},
        {"/etc/evil", EntryProblem::Absolute, "", false},
        {"\\Windows\\evil.dll", EntryProblem::Absolute, "", false},
        {"\\\\server\\share\\evil.exe", EntryProblem::Absolute, "", false},
        {"//server/share/evil.exe", EntryProblem::Absolute, "", false},
        {"C:\\Windows\\evil.dll", EntryProblem::Drive, "", false},
        {"C:evil.dll", EntryProblem::Drive, "", false},
        {"Pagewick.exe:stream", EntryProblem::Drive, "", false},
        {"", EntryProblem::Empty, "", false},
        {"./", EntryProblem::Empty, "", false},
        {"bad|name.txt", EntryProblem::BadCharacter, "", false},
        {"tab\there.txt", EntryProblem::BadCharacter, "", false},
    };
    for (const NameCase& c : cases) {
        const EntryName checked = CheckEntryName(c.name);
        EXPECT_EQ(checked.problem, c.problem) << c.name;
        EXPECT_EQ(checked.path, c.path) << c.name;
        EXPECT_EQ(checked.folder, c.folder) << c.name;
    }
}

TEST(InstallEntryNameTest, RefusesNamesLongerThanTheArchiveLimit)
{
    EXPECT_EQ(CheckEntryName(std::string(kMaxEntryName, 'a')).problem, EntryProblem::None);
    EXPECT_EQ(CheckEntryName(std::string(kMaxEntryName + 1, 'a')).problem, EntryProblem::TooLong);
}

}  // namespace
}  // namespace inst
