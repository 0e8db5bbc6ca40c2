// What every pagewick-cli verb shares: reading files whole, real files for the settings store, binary output.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "settings/settings_store.h"

namespace pwcli {

namespace fs = std::filesystem;

std::optional<std::string> ReadBytes(const fs::path& path);

// Real files for the settings store.
class DiskFiles : public pw::FileAccess {
public:
    std::optional<std::string> ReadFile(const std::string& path) override;
    bool ReplaceWhole(const std::string& path, std::string_view bytes) override;
    bool FileExists(const std::string& path) override;
};

// Standard output is binary, so the bytes are the same on every system.
void WriteOut(std::string_view text);
// Prints "pagewick-cli: cannot read PATH" and returns the exit code for it.
int CannotRead(const std::string& path);
// Prints the usage text of every verb and returns the exit code for a wrong call.
int Usage();

}  // namespace pwcli
