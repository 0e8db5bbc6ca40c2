// A new spreadsheet file: named from a request (or "New Spreadsheet") and filled with an empty 5-by-5 sheet.
#pragma once

#include <optional>
#include <string>

namespace pw {

// Writes the new sheet into the folder without replacing any file; its file name, or nullopt after telling
// the user why not ("Spreadsheet exists: %s" when the name was taken meanwhile).
std::optional<std::string> WriteNewSheetFile(const std::string& folder, const std::string& requestedName);

}  // namespace pw
