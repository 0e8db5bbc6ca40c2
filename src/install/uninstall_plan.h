// What an uninstall removes from the program folder, decided from a listing before anything is deleted.
//
// Only two kinds of file go: those the installer wrote (listed in its manifest) and those Pagewick makes
// itself (its settings and log, info files in "file_info", style sheets in "support"), and the manifest and
// the installer. A folder goes only when it is left empty. Everything else stays, and the user is told.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace inst {

struct TreeItem {
    std::string path;  // relative to the program folder, "\" separated
    bool folder = false;
};

struct UninstallPlan {
    std::vector<std::string> deleteFiles;    // relative paths, the installer's own file excluded
    std::vector<std::string> removeFolders;  // deepest first; the program folder itself is not listed
    std::vector<std::string> kept;           // what stays, each foreign folder once rather than its contents
    bool unknownFolder = false;              // a top-level folder not of Pagewick's names stays
    bool removeProgramFolder = false;        // nothing stays: the folder goes once the installer has ended
};

// Whether Pagewick itself makes a file of this relative path.
bool IsPagewickFile(std::string_view path);

// Whether a top-level folder name is one of Pagewick's ("support", "file_info", "help" endings).
bool IsKnownFolderName(std::string_view name);

// Decides from the listing of the program folder (every file and folder below it) and the manifest.
UninstallPlan PlanUninstall(const std::vector<TreeItem>& tree, const std::vector<std::string>& manifest);

// The warning shown when something stays; empty when nothing does.
std::string KeptMessage(const UninstallPlan& plan, std::string_view programFolder);

}  // namespace inst
