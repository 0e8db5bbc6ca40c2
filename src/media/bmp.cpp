#include "media/bmp.h"

#include <cstdio>
#include <cstdlib>

namespace pw {
namespace {

void Put16(std::string& out, std::uint32_t value)
{
    out.push_back(static_cast<char>(value & 0xff));
    out.push_back(static_cast<char>((value >> 8) & 0xff));
}

void Put32(std::string& out, std::uint32_t value)
{
    Put16(out, value & 0xffff);
    Put16(out, value >> 16);
}

std::uint32_t Get32(std::string_view bytes, std::size_t at)
{
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    return value;
}

std::uint32_t Get16(std::string_view bytes, std::size_t at)
{
    return static_cast<unsigned char>(bytes[at]) |
           (static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + 1])) << 8);
}

constexpr std::uint32_t kNoCompression = 0;
constexpr std::uint32_t kBitFields = 3;
constexpr std::uint32_t kBitFieldMaskBytes = 12;

}  // namespace

int BmpBitDepth(int planes, int bitsPerPlane)
{
    const int bits = planes * bitsPerPlane;
    for (int depth : {1, 4, 8, 16, 24}) {
        if (bits <= depth) return depth;
    }
    return 32;
}

std::uint32_t BmpRowBytes(std::int32_t width, int bits)
{
    const std::uint64_t w = static_cast<std::uint64_t>(std::llabs(width));
    return static_cast<std::uint32_t>((w * static_cast<std::uint64_t>(bits) + 31) / 32 * 4);
}

std::uint32_t BmpColourEntries(int bits)
{
    return bits <= 8 ? 1u << bits : 0;
}

std::string BmpFileHeader(std::uint32_t headerBytes, std::uint32_t colourTableBytes, std::uint32_t pixelBytes)
{
    const std::uint32_t offset = static_cast<std::uint32_t>(kBmpFileHeaderBytes) + headerBytes + colourTableBytes;
    std::string out = "BM";
    Put32(out, offset + pixelBytes);
    Put32(out, 0);
    Put32(out, offset);
    return out;
}

std::string BmpInfoHeader(std::int32_t width, std::int32_t height, int bits)
{
    std::string out;
    Put32(out, static_cast<std::uint32_t>(kBmpInfoHeaderBytes));
    Put32(out, static_cast<std::uint32_t>(width));
    Put32(out, static_cast<std::uint32_t>(height));
    Put16(out, 1);
    Put16(out, static_cast<std::uint32_t>(bits));
    Put32(out, kNoCompression);
    Put32(out, BmpRowBytes(width, bits) * static_cast<std::uint32_t>(std::llabs(height)));
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, BmpColourEntries(bits));
    Put32(out, 0);
    return out;
}

std::optional<std::string> PackedDibAsBmp(std::string_view packed)
{
    if (packed.size() < kBmpInfoHeaderBytes) return std::nullopt;
    const std::uint32_t headerBytes = Get32(packed, 0);
    if (headerBytes < kBmpInfoHeaderBytes || headerBytes > packed.size()) return std::nullopt;
    const auto width = static_cast<std::int32_t>(Get32(packed, 4));
    const auto height = static_cast<std::int32_t>(Get32(packed, 8));
    const int bits = static_cast<int>(Get16(packed, 14));
    const std::uint32_t compression = Get32(packed, 16);
    const std::uint32_t used = Get32(packed, 32);
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) return std::nullopt;
    // A palette shorter than the depth allows is what the header says it is; reading past it would shift
    // every pixel.
    std::uint64_t tableBytes =
        (bits <= 8 && used > 0 && used < BmpColourEntries(bits) ? used : BmpColourEntries(bits)) * 4ull;
    if (compression == kBitFields && headerBytes == kBmpInfoHeaderBytes) tableBytes += kBitFieldMaskBytes;
    std::uint64_t pixelBytes = Get32(packed, 20);
    if (compression == kNoCompression || compression == kBitFields)
        pixelBytes =
            static_cast<std::uint64_t>(BmpRowBytes(width, bits)) * static_cast<std::uint64_t>(std::llabs(height));
    if (headerBytes + tableBytes + pixelBytes > packed.size() || pixelBytes > 0xffffffffull - 0xffff)
        return std::nullopt;
    std::string file =
        BmpFileHeader(headerBytes, static_cast<std::uint32_t>(tableBytes), static_cast<std::uint32_t>(pixelBytes));
    std::string block(packed.substr(0, headerBytes + tableBytes + pixelBytes));
    std::string size;
    Put32(size, static_cast<std::uint32_t>(pixelBytes));
    block.replace(20, 4, size);
    return file + block;
}

std::string ImageName(int counter)
{
    char name[32];
    std::snprintf(name, sizeof name, "Image_%03d.bmp", counter);
    return name;
}

std::optional<std::string> NextImageName(const std::function<bool(const std::string& name)>& exists, bool savesPng)
{
    for (int n = 0; n < kMaxImageCounter; ++n) {
        const std::string name = ImageName(n);
        if (exists(name)) continue;
        if (savesPng && exists(name.substr(0, name.size() - 4) + ".png")) continue;
        return name;
    }
    return std::nullopt;
}

}  // namespace pw
