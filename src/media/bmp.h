// BMP files built from a bitmap's size and depth, or from a packed device-independent bitmap, and the names
// that pasted pictures get.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace pw {

inline constexpr std::size_t kBmpFileHeaderBytes = 14;
inline constexpr std::size_t kBmpInfoHeaderBytes = 40;
// The pasted-picture counter has no limit of its own; this one only keeps a folder that answers "taken" for
// every name from holding the program in a loop.
inline constexpr int kMaxImageCounter = 1000000;

// Planes times bits per plane, rounded up to 1, 4, 8, 16, 24 or 32.
int BmpBitDepth(int planes, int bitsPerPlane);
// Bytes of one pixel row, padded to a multiple of 4.
std::uint32_t BmpRowBytes(std::int32_t width, int bits);
// Colour-table entries written before the pixels: 2 to the power of the bits for 1, 4 and 8 bits, none above
// (16-bit rows without compression are plain RGB and take no palette).
std::uint32_t BmpColourEntries(int bits);

// The 14-byte file header: "BM", file size, 0, offset of the pixels.
std::string BmpFileHeader(std::uint32_t headerBytes, std::uint32_t colourTableBytes, std::uint32_t pixelBytes);
// The 40-byte information header of an uncompressed bitmap of that size and depth.
std::string BmpInfoHeader(std::int32_t width, std::int32_t height, int bits);

// The whole BMP file for a packed bitmap (information header, colour table, pixel rows in one block), with
// the pixel-bytes size recomputed for uncompressed rows. nullopt when the block is shorter than its header
// says it is, or its header is not one a BMP file can hold.
std::optional<std::string> PackedDibAsBmp(std::string_view packed);

// "Image_%03d.bmp".
std::string ImageName(int counter);
// The first "Image_NNN.bmp" (from 0) that names no file, and with PNG saving on also no ".png" of the same
// base name; nullopt when kMaxImageCounter names are all taken.
std::optional<std::string> NextImageName(const std::function<bool(const std::string& name)>& exists, bool savesPng);

}  // namespace pw
