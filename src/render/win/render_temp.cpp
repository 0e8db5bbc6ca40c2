// The system makes the unique name "fwXXXX.tmp" (creating that empty file) and the page is written beside
// it as "fwXXXX.tmp.html". At exit both are deleted. Only names of exactly that form are touched: the
// temporary folder is shared with every other program, and a file of theirs that merely starts with "fw"
// is not ours to delete.
#include "render/win/render_temp.h"

#include <windows.h>

#include <cctype>

#include "settings/text.h"
#include "settings/win/handles.h"

namespace pw {
namespace {

constexpr int kMaxDeletions = 501;

// In its long form: the browser may report a page by either name, and callers compare against this one.
std::string TempFolder()
{
    char buffer[246] = {};
    DWORD n = GetTempPathA(sizeof(buffer), buffer);
    if (n == 0 || n >= sizeof(buffer)) return {};
    char longName[246] = {};
    const DWORD longLength = GetLongPathNameA(buffer, longName, sizeof(longName));
    std::string folder =
        longLength > 0 && longLength < sizeof(longName) ? std::string(longName, longLength) : std::string(buffer, n);
    if (folder.back() != '\\') folder += '\\';
    return folder;
}

}  // namespace

bool IsRenderTempName(const std::string& name)
{
    if (name.size() < 7 || !StartsWithNoCase(name, "fw")) return false;
    std::size_t i = 2;
    while (i < name.size() && i < 6 && std::isxdigit(static_cast<unsigned char>(name[i]))) ++i;
    if (i == 2) return false;
    std::string rest = name.substr(i);
    return EqualsNoCase(rest, ".tmp") || EqualsNoCase(rest, ".tmp.html");
}

bool IsRenderTempPage(const std::string& path)
{
    const std::string folder = TempFolder();
    return !folder.empty() && EqualsNoCase(FolderOf(path), folder) && IsRenderTempName(FileNameOf(path));
}

std::string RenderTempPath()
{
    std::string folder = TempFolder();
    char unique[MAX_PATH] = {};
    if (folder.empty() || !GetTempFileNameA(folder.c_str(), "fw", 0, unique)) return ".\\temp.html";
    return std::string(unique) + ".html";
}

int DeleteRenderTempFiles()
{
    const std::string folder = TempFolder();
    if (folder.empty()) return 0;
    const std::string pattern = folder + "fw*.*";
    int deleted = 0;
    // The search is started afresh after each deletion, as a deletion may disturb a running enumeration.
    while (deleted < kMaxDeletions) {
        WIN32_FIND_DATAA found;
        FindHandle search(FindFirstFileA(pattern.c_str(), &found));
        if (!search.valid()) break;
        bool removedOne = false;
        do {
            if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) || !IsRenderTempName(found.cFileName)) continue;
            if (DeleteFileA((folder + found.cFileName).c_str())) {
                ++deleted;
                removedOne = true;
                break;
            }
        } while (FindNextFileA(search.get(), &found));
        if (!removedOne) break;
    }
    return deleted;
}

}  // namespace pw
