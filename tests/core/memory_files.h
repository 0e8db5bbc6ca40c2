// A file system in memory for tests of code that reads and writes through pw::FileAccess. It can be told
// to refuse writes or to deny reading a file that exists (held open by another program), and it counts
// writes, so tests can check that failures are reported and nothing is lost.
#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>

#include "settings/ini_file.h"

namespace pw::test {

class MemoryFiles : public FileAccess {
public:
    std::optional<std::string> ReadFile(const std::string& path) override
    {
        const auto found = files.find(path);
        if (found == files.end() || unreadable.count(path) != 0) return std::nullopt;
        return found->second;
    }

    bool ReplaceWhole(const std::string& path, std::string_view bytes) override
    {
        ++writeAttempts;
        if (failWrites) return false;
        files[path] = std::string(bytes);
        return true;
    }

    bool FileExists(const std::string& path) override { return files.count(path) != 0; }

    // The file's bytes, "" when it does not exist.
    std::string Text(const std::string& path) const
    {
        const auto found = files.find(path);
        return found == files.end() ? std::string() : found->second;
    }

    std::map<std::string, std::string> files;
    std::set<std::string> unreadable;  // files that exist but cannot be read
    bool failWrites = false;
    int writeAttempts = 0;
};

}  // namespace pw::test
