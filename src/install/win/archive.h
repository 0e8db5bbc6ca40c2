// Reading the release archive through minizip's unzip interface: its entry names, every entry into the
// program folder (names checked first, folders and modification times kept), or one entry into one file.
#pragma once

#include <string>
#include <vector>

#include "install/install_plan.h"

namespace inst {

// Every entry name in archive order; false when the archive cannot be opened or read.
bool ReadEntryNames(const std::string& archive, std::vector<std::string>& names);

struct ExtractResult {
    std::vector<std::string> files;  // files written (or begun), relative to the program folder
    std::string error;               // the first failure; extraction stops there
    bool ok() const { return error.empty(); }
};

// Writes the planned entries (the plan came from the same archive's names) below the program folder.
ExtractResult ExtractArchive(const std::string& archive, const std::string& programFolder, const InstallPlan& plan);

// Writes the entry whose checked name equals entryPath (letter case ignored) to target.
bool ExtractEntry(const std::string& archive, const std::string& entryPath, const std::string& target);

}  // namespace inst
