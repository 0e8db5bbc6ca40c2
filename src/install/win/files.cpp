#include "install/win/files.h"

#include "install/install_plan.h"

namespace inst {
namespace {

// Owns a find handle.
class FindHandle {
public:
    explicit FindHandle(HANDLE h) : h_(h) {}
    ~FindHandle()
    {
        if (h_ != INVALID_HANDLE_VALUE) FindClose(h_);
    }
    FindHandle(const FindHandle&) = delete;
    FindHandle& operator=(const FindHandle&) = delete;
    HANDLE get() const { return h_; }
    bool ok() const { return h_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE h_;
};

bool IsDots(const char* name)
{
    return std::string_view(name) == "." || std::string_view(name) == "..";
}

void ListInto(const std::string& root, const std::string& relative, std::vector<TreeItem>& items)
{
    const std::optional<std::string> folder = JoinPath(root, relative);
    const std::optional<std::string> pattern = folder ? JoinPath(*folder, "*") : std::nullopt;
    if (!pattern) return;
    WIN32_FIND_DATAA found;
    FindHandle find(FindFirstFileA(pattern->c_str(), &found));
    if (!find.ok()) return;
    do {
        if (IsDots(found.cFileName)) continue;
        const std::string path = relative.empty() ? found.cFileName : relative + "\\" + found.cFileName;
        const bool folderItem = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        items.push_back({path, folderItem});
        // A link to a folder elsewhere is listed, never followed: uninstall must not reach through it.
        if (folderItem && (found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0) ListInto(root, path, items);
    } while (FindNextFileA(find.get(), &found));
}

}  // namespace

bool FileExists(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool FolderExists(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool CreateFolderTree(const std::string& path)
{
    char full[MAX_PATH];
    const DWORD length = GetFullPathNameA(path.c_str(), MAX_PATH, full, nullptr);
    if (length == 0 || length >= MAX_PATH) return false;
    std::string folder(full);
    while (folder.size() > 3 && folder.back() == '\\') folder.pop_back();
    if (FolderExists(folder)) return true;
    const std::string parent = FolderOf(folder);
    if (!parent.empty() && parent != folder && !FolderExists(parent + "\\") && !CreateFolderTree(parent)) return false;
    return CreateDirectoryA(folder.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS;
}

std::string FolderOf(const std::string& path)
{
    const std::size_t slash = path.find_last_of("\\/");
    if (slash == std::string::npos) return {};
    return path.substr(0, slash);
}

std::string FindFirstMatch(const std::string& folder, const char* pattern)
{
    const std::optional<std::string> wanted = JoinPath(folder, pattern);
    if (!wanted) return {};
    WIN32_FIND_DATAA found;
    FindHandle find(FindFirstFileA(wanted->c_str(), &found));
    if (!find.ok()) return {};
    do {
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
            return JoinPath(folder, found.cFileName).value_or("");
    } while (FindNextFileA(find.get(), &found));
    return {};
}

std::vector<TreeItem> ListTree(const std::string& folder)
{
    std::vector<TreeItem> items;
    ListInto(folder, "", items);
    return items;
}

std::optional<std::string> ReadWholeFile(const std::string& path)
{
    FileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    if (!file.ok()) return std::nullopt;
    std::string bytes;
    char chunk[8192];
    DWORD got = 0;
    while (ReadFile(file.get(), chunk, sizeof chunk, &got, nullptr) && got > 0) bytes.append(chunk, got);
    return bytes;
}

bool WriteWholeFile(const std::string& path, const std::string& bytes)
{
    FileHandle file(
        CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.ok()) return false;
    DWORD written = 0;
    return WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
           written == bytes.size();
}

std::string SystemErrorText(DWORD error)
{
    char text[512] = "";
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0, text, sizeof text,
                   nullptr);
    std::string result(text);
    while (!result.empty() && (result.back() == '\n' || result.back() == '\r' || result.back() == ' '))
        result.pop_back();
    if (result.empty()) result = "error " + std::to_string(error);
    return result;
}

}  // namespace inst
