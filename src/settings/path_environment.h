// What path expansion needs to know about the machine; kept as plain values and callbacks so that the rules
// run without a disk. The Win32 layer fills one from the running machine (MachinePaths).
#pragma once

#include <functional>
#include <optional>
#include <string>

namespace pw {

struct PathEnvironment {
    std::string programFolder;                                    // drive and folder of the program, ending in "\"
    std::function<std::optional<std::string>()> documentsFolder;  // nullopt when it cannot be obtained
    std::function<bool(const std::string&)> exists;               // file or folder (access denied counts)
    bool adjustForNetwork = true;                                 // RootAdjustForNetwork
};

}  // namespace pw
