// Saving protocol: write "<folder>\.<name>.new~" (hidden from the lists by its leading dot), FlushFileBuffers,
// then ReplaceFileA onto an existing target (keeps its attributes) or MoveFileExA with write-through onto a
// new one. A sync client or virus scanner may hold the target for a moment: sharing and access errors are
// retried briefly. The original is never deleted first.
#include "settings/win/safe_file.h"

#include <algorithm>

#include "settings/text.h"
#include "settings/win/handles.h"

namespace pw {
namespace {

constexpr int kRetries = 5;
constexpr DWORD kRetryPauseMs = 100;

bool IsTransient(DWORD error)
{
    return error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION;
}

std::string TempPathBeside(const std::string& path)
{
    return FolderOf(path) + "." + FileNameOf(path) + ".new~";
}

bool WriteAll(HANDLE file, std::string_view bytes, DWORD* error)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 20));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data() + done, chunk, &written, nullptr) || written != chunk) {
            *error = GetLastError() ? GetLastError() : ERROR_WRITE_FAULT;
            return false;
        }
        done += written;
    }
    return true;
}

// Writes a whole file opened with the given disposition and attributes; with flush, to the disk. opened says
// whether the file was opened at all (a failure after that may have left it half written).
bool WriteFileWith(const std::string& path, std::string_view bytes, DWORD disposition, DWORD attributes, bool flush,
                   DWORD* error, bool* opened = nullptr)
{
    Handle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, disposition, attributes, nullptr));
    if (opened) *opened = file.valid();
    if (!file.valid()) {
        *error = GetLastError();
        return false;
    }
    if (!WriteAll(file.get(), bytes, error)) return false;
    if (flush && !FlushFileBuffers(file.get())) {
        *error = GetLastError();
        return false;
    }
    return true;
}

bool WriteAndFlush(const std::string& path, std::string_view bytes, DWORD* error)
{
    return WriteFileWith(path, bytes, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL | FILE_ATTRIBUTE_HIDDEN, true, error);
}

bool SwapIntoPlace(const std::string& temp, const std::string& target, DWORD* error)
{
    for (int attempt = 0; attempt < kRetries; ++attempt) {
        BOOL ok;
        if (PathExists(target)) {
            ok = ReplaceFileA(target.c_str(), temp.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr);
        } else {
            ok = MoveFileExA(temp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
        }
        if (ok) {
            // The replacement carries the temporary file's hidden attribute: give the target plain attributes.
            DWORD attrs = GetFileAttributesA(target.c_str());
            if (attrs != INVALID_FILE_ATTRIBUTES && (attrs & FILE_ATTRIBUTE_HIDDEN))
                SetFileAttributesA(target.c_str(), attrs & ~FILE_ATTRIBUTE_HIDDEN);
            return true;
        }
        *error = GetLastError();
        if (!IsTransient(*error)) return false;
        Sleep(kRetryPauseMs);
    }
    return false;
}

}  // namespace

std::optional<std::string> ReadWholeFile(const std::string& path, DWORD* error)
{
    DWORD ignored = 0;
    if (!error) error = &ignored;
    Handle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) {
        *error = GetLastError();
        return std::nullopt;
    }
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size)) {
        *error = GetLastError();
        return std::nullopt;
    }
    std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 20));
        DWORD got = 0;
        if (!::ReadFile(file.get(), bytes.data() + done, chunk, &got, nullptr)) {
            *error = GetLastError();
            return std::nullopt;
        }
        if (got == 0) break;
        done += got;
    }
    bytes.resize(done);
    return bytes;
}

bool ReplaceFileSafely(const std::string& path, std::string_view bytes, DWORD* error)
{
    DWORD ignored = 0;
    if (!error) error = &ignored;
    *error = 0;
    DWORD attrs = GetFileAttributesA(path.c_str());
    if (attrs != INVALID_FILE_ATTRIBUTES && (attrs & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY))) {
        *error = ERROR_ACCESS_DENIED;
        return false;
    }
    const std::string temp = TempPathBeside(path);
    if (!WriteAndFlush(temp, bytes, error)) {
        DeleteFileA(temp.c_str());
        return false;
    }
    if (!SwapIntoPlace(temp, path, error)) {
        // When the system reports that the target could not be restored, the temporary file is the only
        // copy of the new content: keep it.
        if (*error != ERROR_UNABLE_TO_MOVE_REPLACEMENT) DeleteFileA(temp.c_str());
        return false;
    }
    return true;
}

bool PathExists(const std::string& path)
{
    if (GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES) return true;
    // A path that exists but denies access still exists.
    DWORD error = GetLastError();
    return error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION;
}

bool IsFolder(const std::string& path)
{
    DWORD attrs = GetFileAttributesA(path.c_str());
    return attrs != INVALID_FILE_ATTRIBUTES && (attrs & FILE_ATTRIBUTE_DIRECTORY);
}

bool WriteNewFile(const std::string& path, std::string_view bytes, DWORD* error)
{
    DWORD ignored = 0;
    bool opened = false;
    if (WriteFileWith(path, bytes, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, false, error ? error : &ignored, &opened))
        return true;
    // Only a file this call made is taken away again, never one that was there before.
    if (opened) DeleteFileA(path.c_str());
    return false;
}

bool WriteWholeFile(const std::string& path, std::string_view bytes, DWORD* error)
{
    DWORD ignored = 0;
    return WriteFileWith(path, bytes, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, false, error ? error : &ignored);
}

}  // namespace pw
