#include "media/bmp.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>

namespace pw {
namespace {

// "42 4D 00" -> the three bytes.
std::string Bytes(const std::string& hex)
{
    std::istringstream in(hex);
    std::string out;
    unsigned value = 0;
    while (in >> std::hex >> value) out.push_back(static_cast<char>(value));
    return out;
}

TEST(Bmp, HeadersByteForByte)
{
    // A picture 3 pixels wide and 2 high at each depth.
    struct Case {
        int bits;
        std::uint32_t tableBytes;
        std::uint32_t pixelBytes;
        const char* file;
        const char* info;
    };
    const Case cases[] = {
        {1, 8, 8, "42 4D 46 00 00 00 00 00 00 00 3E 00 00 00",
         "28 00 00 00 03 00 00 00 02 00 00 00 01 00 01 00 00 00 00 00 08 00 00 00 00 00 00 00 00 00 00 00 02 00 00 00 "
         "00 00 00 00"},
        {4, 64, 8, "42 4D 7E 00 00 00 00 00 00 00 76 00 00 00",
         "28 00 00 00 03 00 00 00 02 00 00 00 01 00 04 00 00 00 00 00 08 00 00 00 00 00 00 00 00 00 00 00 10 00 00 00 "
         "00 00 00 00"},
        {8, 1024, 8, "42 4D 3E 04 00 00 00 00 00 00 36 04 00 00",
         "28 00 00 00 03 00 00 00 02 00 00 00 01 00 08 00 00 00 00 00 08 00 00 00 00 00 00 00 00 00 00 00 00 01 00 00 "
         "00 00 00 00"},
        {24, 0, 24, "42 4D 4E 00 00 00 00 00 00 00 36 00 00 00",
         "28 00 00 00 03 00 00 00 02 00 00 00 01 00 18 00 00 00 00 00 18 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "
         "00 00 00 00"},
        {32, 0, 24, "42 4D 4E 00 00 00 00 00 00 00 36 00 00 00",
         "28 00 00 00 03 00 00 00 02 00 00 00 01 00 20 00 00 00 00 00 18 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "
         "00 00 00 00"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(BmpColourEntries(c.bits) * 4, c.tableBytes) << c.bits;
        EXPECT_EQ(BmpRowBytes(3, c.bits) * 2, c.pixelBytes) << c.bits;
        EXPECT_EQ(BmpFileHeader(40, c.tableBytes, c.pixelBytes), Bytes(c.file)) << c.bits;
        EXPECT_EQ(BmpInfoHeader(3, 2, c.bits), Bytes(c.info)) << c.bits;
    }
}

TEST(Bmp, DepthAndRowPadding)
{
    struct Case {
        int planes, bits, depth;
    };
    const Case depths[] = {{1, 0, 1},   {1, 1, 1},  {1, 2, 4},   {1, 4, 4},   {1, 5, 8},  {1, 15, 16},
                           {1, 16, 16}, {3, 8, 24}, {1, 24, 24}, {1, 32, 32}, {1, 48, 32}};
    for (const Case& c : depths) EXPECT_EQ(BmpBitDepth(c.planes, c.bits), c.depth) << c.planes << "x" << c.bits;
    EXPECT_EQ(BmpRowBytes(1, 24), 4u);
    EXPECT_EQ(BmpRowBytes(4, 24), 12u);
    EXPECT_EQ(BmpRowBytes(33, 1), 8u);
    EXPECT_EQ(BmpRowBytes(0, 32), 0u);
    EXPECT_EQ(BmpColourEntries(16), 0u) << "uncompressed 16-bit rows take no palette";
}

TEST(Bmp, PackedBitmapBecomesAFile)
{
    // 24 bits, 3x2, with a pixel-bytes size of 0 as clipboards often give it.
    const std::string info = Bytes(
        "28 00 00 00 03 00 00 00 02 00 00 00 01 00 18 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "
        "00 00 00 00");
    const std::string pixels(24, '\x7f');
    const auto file = PackedDibAsBmp(info + pixels);
    ASSERT_TRUE(file);
    EXPECT_EQ(*file, Bytes("42 4D 4E 00 00 00 00 00 00 00 36 00 00 00") + BmpInfoHeader(3, 2, 24) + pixels);

    // 8 bits with two colours used: the pixels start after those two entries.
    std::string eight = info;
    eight[14] = 8;
    eight[32] = 2;
    const std::string table = Bytes("00 00 00 00 FF FF FF 00");
    const std::string rows = Bytes("00 01 00 00 01 00 01 00");
    const auto palette = PackedDibAsBmp(eight + table + rows);
    ASSERT_TRUE(palette);
    EXPECT_EQ(palette->substr(0, 14), Bytes("42 4D 46 00 00 00 00 00 00 00 3E 00 00 00"));
    EXPECT_EQ(palette->substr(54), table + rows);
    EXPECT_EQ(palette->substr(14 + 20, 4), Bytes("08 00 00 00")) << "the pixel-bytes size is stored";
}

TEST(Bmp, BrokenPackedBitmapsAreRefused)
{
    const std::string info = Bytes(
        "28 00 00 00 03 00 00 00 02 00 00 00 01 00 18 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "
        "00 00 00 00");
    EXPECT_FALSE(PackedDibAsBmp(""));
    EXPECT_FALSE(PackedDibAsBmp(info.substr(0, 39)));
    EXPECT_FALSE(PackedDibAsBmp(info + std::string(23, '\0'))) << "one pixel byte short";
    std::string big = info;
    big[0] = '\x7f';
    EXPECT_FALSE(PackedDibAsBmp(big + std::string(24, '\0'))) << "a header larger than the block";
    std::string odd = info;
    odd[14] = 7;
    EXPECT_FALSE(PackedDibAsBmp(odd + std::string(24, '\0')));
    std::string huge = info;
    huge[4] = huge[5] = huge[6] = '\x7f';
    EXPECT_FALSE(PackedDibAsBmp(huge + std::string(24, '\0')));
}

TEST(Bmp, NextImageName)
{
    const auto in = [](std::set<std::string> names) {
        return [names](const std::string& name) { return names.count(name) > 0; };
    };
    EXPECT_EQ(NextImageName(in({}), true), "Image_000.bmp");
    EXPECT_EQ(NextImageName(in({"Image_000.png"}), true), "Image_001.bmp");
    EXPECT_EQ(NextImageName(in({"Image_000.png"}), false), "Image_000.bmp");
    EXPECT_EQ(NextImageName(in({"Image_000.bmp", "Image_001.png"}), true), "Image_002.bmp");
    EXPECT_EQ(NextImageName([](const std::string& name) { return name.size() == 13; }, true), "Image_1000.bmp");
    EXPECT_EQ(ImageName(7), "Image_007.bmp");
    EXPECT_EQ(ImageName(12345), "Image_12345.bmp");
    EXPECT_FALSE(NextImageName([](const std::string&) { return true; }, false)) << "a folder that takes every name";
}

}  // namespace
}  // namespace pw
