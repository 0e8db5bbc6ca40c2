// Files and folders as the installer needs them: existence, folder trees, listings, whole-file reads.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "install/uninstall_plan.h"

namespace inst {

bool FileExists(const std::string& path);
bool FolderExists(const std::string& path);
// Creates a folder with every missing parent; a path starting with a single "\" is on the current drive.
bool CreateFolderTree(const std::string& path);
// The folder part of a path, without its trailing "\" (empty for a bare name).
std::string FolderOf(const std::string& path);
// The first file matching a pattern in a folder (as the listing returns it), or empty.
std::string FindFirstMatch(const std::string& folder, const char* pattern);
// Every file and folder below a folder, parents before their contents, paths relative to it.
std::vector<TreeItem> ListTree(const std::string& folder);
std::optional<std::string> ReadWholeFile(const std::string& path);
bool WriteWholeFile(const std::string& path, const std::string& bytes);
// The system's text for an error code, without its line end.
std::string SystemErrorText(DWORD error);

// Owns a handle from CreateFile (INVALID_HANDLE_VALUE when empty).
class FileHandle {
public:
    explicit FileHandle(HANDLE h) : h_(h) {}
    ~FileHandle()
    {
        if (h_ != INVALID_HANDLE_VALUE) CloseHandle(h_);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    HANDLE get() const { return h_; }
    bool ok() const { return h_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE h_;
};

}  // namespace inst
