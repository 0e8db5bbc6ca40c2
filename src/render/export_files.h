// Exporting a root's folder tree as static pages: the walk over the folders and the files it writes.
#pragma once

#include <filesystem>
#include <functional>
#include <string>

#include "settings/settings_store.h"

namespace pw {

struct ExportResult {
    bool started = false;  // false: nothing was written (the message says why)
    std::string message;
    int pages = 0;
    int pictures = 0;
    int folders = 0;
    int unreadable = 0;  // notes that could not be read, each reported
};

struct ExportRequest {
    std::filesystem::path root;
    std::filesystem::path out;
    std::filesystem::path styleSheet;  // copied to the top of the export when it is a file
    std::string rootExtension = ".txt";
    // Called with each note that could not be read or page that could not be written.
    std::function<void(const std::string& problem)> report;
};

// Refuses an output folder that is the root, lies inside it or holds it, and a root that is no folder.
// Entries whose names begin with "." and links to elsewhere are left out; nothing is written outside out.
ExportResult ExportRoot(const ExportRequest& request, const SettingsStore& store);

}  // namespace pw
