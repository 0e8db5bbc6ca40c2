// Downloading a dragged web image into a folder.
#pragma once

#include <optional>
#include <string>

namespace pw {

// Fetches the address into the folder under a name from the response or the address, its extension set by
// the content, never replacing an existing file. Returns the saved file's name and extension; nullopt when
// nothing was written (no message is shown). When the response names the file, that name is written back
// into address.
std::optional<std::string> FetchToFile(std::string& address, const std::string& referrer, const std::string& folder);

}  // namespace pw
