// Reading and replacing whole files without ever leaving a half-written one behind.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace pw {

// The whole file, or nullopt when it cannot be opened; error receives the system error code.
std::optional<std::string> ReadWholeFile(const std::string& path, DWORD* error = nullptr);

// Writes bytes to a hidden temporary file beside the target, flushes it, then swaps it into place, so that a
// crash at any step leaves either the old or the new content. Fails without touching a read-only target.
// On failure error receives the system error code and the target is as it was.
bool ReplaceFileSafely(const std::string& path, std::string_view bytes, DWORD* error = nullptr);

// Writes a file that must not exist yet (a new note, sheet or linked note): an existing file is never replaced.
// A file left half written is deleted again. On failure error receives the system error code.
bool WriteNewFile(const std::string& path, std::string_view bytes, DWORD* error = nullptr);
// Writes the whole file over whatever was there: for the program's own temporary pages only.
bool WriteWholeFile(const std::string& path, std::string_view bytes, DWORD* error = nullptr);

bool PathExists(const std::string& path);
bool IsFolder(const std::string& path);

}  // namespace pw
