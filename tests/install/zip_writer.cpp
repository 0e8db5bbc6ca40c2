#include "zip_writer.h"

#include <zlib.h>

namespace inst::test {
namespace {

void Put16(std::string& out, std::uint32_t v)
{
    out += static_cast<char>(v & 0xff);
    out += static_cast<char>((v >> 8) & 0xff);
}

void Put32(std::string& out, std::uint32_t v)
{
    Put16(out, v & 0xffff);
    Put16(out, v >> 16);
}

}  // namespace

std::string ZipBytes(const std::vector<ZipEntry>& entries)
{
    std::string out;
    std::string central;
    for (const ZipEntry& e : entries) {
        const std::uint32_t offset = static_cast<std::uint32_t>(out.size());
        const std::uint32_t crc = static_cast<std::uint32_t>(
            crc32(0, reinterpret_cast<const Bytef*>(e.data.data()), static_cast<uInt>(e.data.size())));
        const std::uint32_t size = static_cast<std::uint32_t>(e.data.size());
        const std::uint32_t nameLength = static_cast<std::uint32_t>(e.name.size());
        Put32(out, 0x04034b50);
        for (std::uint32_t v : {20u, 0u, 0u, std::uint32_t(e.dosTime), std::uint32_t(e.dosDate)}) Put16(out, v);
        Put32(out, crc);
        Put32(out, size);
        Put32(out, size);
        Put16(out, nameLength);
        Put16(out, 0);
        out += e.name + e.data;

        Put32(central, 0x02014b50);
        for (std::uint32_t v : {20u, 20u, 0u, 0u, std::uint32_t(e.dosTime), std::uint32_t(e.dosDate)})
            Put16(central, v);
        Put32(central, crc);
        Put32(central, size);
        Put32(central, size);
        for (std::uint32_t v : {nameLength, 0u, 0u, 0u, 0u}) Put16(central, v);
        Put32(central, !e.name.empty() && e.name.back() == '/' ? 0x10 : 0x20);
        Put32(central, offset);
        central += e.name;
    }
    const std::uint32_t centralOffset = static_cast<std::uint32_t>(out.size());
    out += central;
    Put32(out, 0x06054b50);
    for (std::uint32_t v : {0u, 0u, std::uint32_t(entries.size()), std::uint32_t(entries.size())}) Put16(out, v);
    Put32(out, static_cast<std::uint32_t>(central.size()));
    Put32(out, centralOffset);
    Put16(out, 0);
    return out;
}

}  // namespace inst::test
