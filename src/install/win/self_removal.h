// Removing the running installer's own file. A running program's file cannot be deleted on Windows, so a
// hidden command processor keeps trying until the installer has ended (each try fails while it runs, so
// there is no race to win), then removes the folder when it is empty, and then its own script.
#pragma once

#include <string>

namespace inst {

// Longest wait for the installer to end before the helper gives up, in tries about a second apart.
inline constexpr int kRemovalTries = 120;

// The helper's script: deletes file, then (when given) removes folder if it is empty. Pure text.
std::string RemovalScript(const std::string& file, const std::string& folder);

// Writes the script to the temporary folder and starts it hidden; false when it could not be started.
bool RemoveAfterExit(const std::string& file, const std::string& folder);

}  // namespace inst
