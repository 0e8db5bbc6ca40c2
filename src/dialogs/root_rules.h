// The rules of the Add or Edit Root dialog and of the perpetual-note values the Configure dialog writes.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "library/roots.h"
#include "settings/path_environment.h"

namespace pw {

inline constexpr std::string_view kDuplicateRootMessage = "This directory is already in the list";
inline constexpr std::string_view kDuplicateRootCaption = "Error";
inline constexpr std::string_view kMissingFieldMessage = "Please fill in all the fields";
inline constexpr std::string_view kMissingFieldCaption = "Required";
inline constexpr std::string_view kNotOnProgramDriveMessage =
    "Must be on same drive as the program to use this feature";
inline constexpr std::string_view kNotOnProgramDriveCaption = "Sorry";

enum class RootProblem { None, Duplicate, MissingField };

// A new root: its path must not equal (case ignored) a listed one, and no field may be empty.
RootProblem CheckRootToAdd(std::string_view path, std::string_view alias, std::string_view extension,
                           const std::vector<std::string>& listedPaths);
// An edited root: no field may be empty.
RootProblem CheckRootEdit(std::string_view path, std::string_view alias, std::string_view extension);

// "md" becomes ".md"; ".md" stays.
std::string RootExtensionText(std::string_view extension);

enum class RemotePathResult { Unchanged, Changed, NotOnProgramDrive };
// "Set path for remote use": the program's drive or share at the start of the path becomes "%AppSrcDrv%".
RemotePathResult MakeRemotePath(std::string& path, std::string_view programFolder);

// The "root|parent folder|folder|file" value of a note path, or nullopt when the path is empty, lies in no
// root, or cannot be split into a parent folder, a folder and a file name.
std::optional<std::string> PerpetualNoteValue(std::string_view path, const RootTable& roots,
                                              const PathEnvironment& env);
// The note path a value names: the parent folder joined with the folder, then with the file; "" when the
// value is not such a value.
std::string PerpetualNotePath(std::string_view value);

}  // namespace pw
