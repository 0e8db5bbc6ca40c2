#include "media/fetch_names.h"

#include <gtest/gtest.h>

#include <string>

namespace pw {
namespace {

TEST(FetchNames, NameFromAddressOrResponse)
{
    struct Case {
        std::string text;
        std::string expected;
    };
    const Case cases[] = {
        {"http://h/imgs/a.png", "a.png"},
        // A script with two parameters: the script and the first parameter, "?" turned into "_".
        {"http://h/img.php?id=5&size=2", "img.php_id=5"},
        {"http://h/a%2Fb.png", "b.png"},
        {"http://h/my%20photo%3A1.png", "my_photo_1.png"},
        {"http://h/a/b/", "b_"},
        {"photo.jpeg", "photo.jpeg"},
        {"a\\b.png", "a_b.png"},
        {"100%.png", "100_.png"},
        {"x*y|z\"<>.png", "x_y_z___.png"},
    };
    for (const Case& c : cases) EXPECT_EQ(FetchedFileName(c.text), c.expected) << c.text;
}

TEST(FetchNames, NamesNeverLeaveTheFolderOrNameADevice)
{
    struct Case {
        std::string text;
        std::string expected;
    };
    const Case cases[] = {
        {"..", "_.."},
        {"http://h/..", "_.."},
        {"..\\..\\win.ini", ".._.._win.ini"},
        {"", "_"},
        {"...", "_..."},
        {"CON", "_CON"},
        {"nul.png", "_nul.png"},
        {"http://h/COM1.gif", "_COM1.gif"},
        {"lpt9", "_lpt9"},
        {"COM0.png", "COM0.png"},
        {"CONSOLE.png", "CONSOLE.png"},
        {"c:\\x.png", "c__x.png"},
    };
    for (const Case& c : cases) EXPECT_EQ(FetchedFileName(c.text), c.expected) << c.text;
    EXPECT_EQ(FetchedFileName(std::string(3000, 'n')).size(), 259u);
}

TEST(FetchNames, SniffsTheContent)
{
    struct Case {
        std::string path;
        std::string body;
        std::string expected;
    };
    const Case cases[] = {
        {"C:\\in\\a.gif", "\x89PNG\r\n\x1a\n", "C:\\in\\a.png"},
        {"C:\\in\\photo.jpeg", std::string("\xff\xd8\xff\xe0\0\x10JFIF\0", 11), "C:\\in\\photo.jpg"},
        {"C:\\in\\a.png", "BM6\0\0", "C:\\in\\a.bmp"},
        {"C:\\in\\a", "GIF89a", "C:\\in\\a.gif"},
        {"C:\\in\\a.PNG", "\x89PNG", "C:\\in\\a.PNG"},
        {"C:\\in\\img.php_id=5", "<html>", "C:\\in\\img.php_id=5"},
        // Only the first 20 bytes count, zero bytes included.
        {"C:\\in\\a.dat", std::string("\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0PNG", 20), "C:\\in\\a.png"},
        {"C:\\in\\a.dat", std::string(18, '\0') + "PNG", "C:\\in\\a.dat"},
        {"C:\\in\\a.dat", "", "C:\\in\\a.dat"},
        {"C:\\in\\a.dat", "xBM", "C:\\in\\a.dat"},
    };
    for (const Case& c : cases) EXPECT_EQ(CorrectExtension(c.path, c.body), c.expected) << c.path;
}

}  // namespace
}  // namespace pw
