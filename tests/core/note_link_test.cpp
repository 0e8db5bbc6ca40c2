#include "render/note_link.h"

#include <gtest/gtest.h>

#include <string>

namespace pw {
namespace {

TEST(NoteLink, NameFromLink)
{
    struct Case {
        std::string link;
        std::string expected;
    };
    const Case cases[] = {
        {"fw:My%20Note", "My Note"},
        {"FW:x", "x"},
        {"fw:a%20%20b", "a  b"},
        {"fw:100%", "100%"},
        {"fw:%2", "%2"},
        {"fw:", ""},
        {"fw", ""},
        {"", ""},
        {"fw:Plan:B?", "Plan:B?"},
    };
    for (const Case& c : cases) EXPECT_EQ(NoteNameFromLink(c.link), c.expected) << c.link;
}

TEST(NoteLink, LongLinkIsCutBeforeTheSchemeIsDropped)
{
    const std::string link = "fw:" + std::string(300, 'n');
    EXPECT_EQ(NoteNameFromLink(link), std::string(256, 'n'));
}

TEST(NoteLink, FileNameForLink)
{
    struct Case {
        std::string name;
        std::string extension;
        std::string expected;
    };
    const Case cases[] = {
        {"My Note", ".txt", "My Note.txt"},
        {"Plan:B?", ".txt", "Plan_B_.txt"},
        {"[a]\\b%c", ".wki", "_a__b_c.wki"},
        {"My%20Note", ".md", "My Note.md"},
        {"../up", ".txt", ".._up.txt"},
        {"", ".txt", ".txt"},
        {"plain", "", "plain"},
    };
    for (const Case& c : cases) EXPECT_EQ(NoteFileNameForLink(c.name, c.extension), c.expected) << c.name;
}

TEST(NoteLink, FileNameIsCutToOnePathComponent)
{
    EXPECT_EQ(NoteFileNameForLink(std::string(300, 'n'), ".txt").size(), 259u);
}

}  // namespace
}  // namespace pw
