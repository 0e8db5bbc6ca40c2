// The table of roots: the folders the user registered as tops of note collections, the path variables that
// keep stored root paths portable, and the start-up build of the table from the settings.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "library/place.h"
#include "settings/path_environment.h"

namespace pw {

inline constexpr int kMaxRoots = 25;
inline constexpr std::string_view kAppSourceDriveVariable = "%AppSrcDrv%";
inline constexpr std::string_view kMyDocumentsVariable = "%MyDocuments%";
inline constexpr std::string_view kRootTableFullMessage = "Hit maximum number of roots";

struct RootTable {
    std::array<PlaceRecord, kMaxRoots> roots;
    int count = 0;    // roots fill slots 0 to count - 1 in the order they were added
    int current = 0;  // index of the current root
};

// Expands the path variables in place and reports whether the result exists. A replacement whose result
// would not fit a path is skipped.
bool ExpandPath(std::string& path, const PathEnvironment& env);
// The reverse of the drive expansion: "D:\notes" and "\\server\share\notes" both become "%AppSrcDrv%\notes".
void MakeDriveRelative(std::string& path);
// Whether the path lies on the program's own drive ("D:") or share ("\\server\share"), ignoring case.
bool IsOnProgramDrive(std::string_view path, std::string_view programFolder);

// Appends a root; an empty alias becomes the path, an empty extension the default one. -1 when the table is
// full (the caller shows kRootTableFullMessage).
int AddRoot(RootTable& table, std::string_view storedPath, std::string_view path, std::string_view alias,
            std::string_view extension, std::string_view defaultExtension);
// First root, in table order, whose root path or alias equals the text (case ignored); -1 when none.
int FindRootByName(const RootTable& table, std::string_view text);
// First root whose stored path begins the path; else the first whose expanded stored path does; else -1.
int FindRootForPath(const RootTable& table, std::string_view path, const PathEnvironment& env);

// One line of the "BasicRoots" section: key = stored root path, value = alias, comment = default extension.
struct StoredRoot {
    std::string key;
    std::string value;
    std::string comment;
};

struct RootSettings {
    std::vector<StoredRoot> basicRoots;  // in file order
    bool autoAddMyDocuments = true;
    bool autoAddAmbervale = true;
    bool autoAddCDrive = true;
    bool ambervaleExists = false;  // "c:\ambervale" exists as a folder
    std::string defaultExtension = ".txt";
    std::string lastRoot;
};

struct BuiltRoots {
    RootTable table;
    std::vector<std::string> messages;  // status messages to show, in order
};

BuiltRoots BuildRootTable(const RootSettings& settings, const PathEnvironment& env);

// The entry of the root list to highlight: the first, in list order, whose text begins with the alias
// (case ignored); -1 when none.
int RootListSelection(const std::vector<std::string>& listTexts, std::string_view alias);

}  // namespace pw
