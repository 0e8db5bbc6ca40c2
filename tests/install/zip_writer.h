// Writes small zip archives for the installer's tests: stored entries, any names (crafted ones too), and
// a given modification time.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace inst::test {

struct ZipEntry {
    std::string name;  // as stored; ends with "/" for a folder
    std::string data;
    std::uint16_t dosDate = 0x5A8C;  // 2025-04-12
    std::uint16_t dosTime = 0x7A2F;  // 15:17:30
};

// The whole archive's bytes.
std::string ZipBytes(const std::vector<ZipEntry>& entries);

}  // namespace inst::test
