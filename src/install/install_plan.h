// What an install writes, decided before anything is written: the checked archive entries, and the manifest
// that tells a later uninstall which files are ours.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "install/entry_name.h"

namespace inst {

// Joins a folder and a name with "\" (none when the folder ends with one or the name starts with one); an
// empty name adds nothing. A result longer than kMaxPath is refused.
std::optional<std::string> JoinPath(std::string_view folder, std::string_view name);

// The command line mode: uninstall when "-uninstall" appears anywhere, with exact case.
bool IsUninstallCommandLine(std::string_view commandLine);

// The registry's uninstall command: the installer in the program folder, in double quotes, then "-uninstall".
std::optional<std::string> UninstallCommand(std::string_view programFolder);

struct PlannedEntry {
    std::string path;  // relative to the program folder
    bool folder = false;
};

struct InstallPlan {
    std::vector<PlannedEntry> entries;  // in archive order
    std::string refusedName;            // the first refused entry name, when the archive is refused
    EntryProblem problem = EntryProblem::None;
    bool ok() const { return problem == EntryProblem::None; }
};

// Checks every entry name of an archive; one bad name refuses the whole archive, so nothing is written.
InstallPlan PlanInstall(const std::vector<std::string>& entryNames, std::string_view programFolder);

// The message that stops an install of a refused archive.
std::string RefusedArchiveMessage(const InstallPlan& plan, std::string_view archive);

// The manifest: one relative path a line ("\" separated, CR LF ends), files only, each once, in the order
// given. Folders are not listed: uninstall removes a folder only when it is left empty.
std::string ManifestText(const std::vector<std::string>& files);

// Reads a manifest back; lines that are not safe relative names (a manifest can be edited by anyone) are
// dropped, so uninstall never reaches outside the program folder.
std::vector<std::string> ParseManifest(std::string_view text);

}  // namespace inst
