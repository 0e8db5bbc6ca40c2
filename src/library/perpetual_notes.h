// The perpetual notes: three places stored as "root|folder path|selected folder|file" that toolbar buttons
// open with one click.
#pragma once

#include <optional>
#include <string_view>

#include "library/place.h"
#include "library/roots.h"
#include "settings/path_environment.h"

namespace pw {

inline constexpr int kPerpetualNoteCount = 3;
inline constexpr char kPerpetualSeparator = '|';

// The place a PerpetualNote1..3 value names. Runs of "|" count as one, as in comma lists; a note directly in
// the folder path (no selected folder) has three parts. The root and folder paths are expanded; a root in
// the table gives its alias, stored path and default extension, else the default extension is the given one.
// nullopt when the value is empty or is not such a place.
std::optional<PlaceRecord> PerpetualPlace(std::string_view value, const RootTable& roots, const PathEnvironment& env,
                                          std::string_view defaultExtension);

}  // namespace pw
