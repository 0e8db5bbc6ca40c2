#include "library/win/directory.h"

#include <windows.h>

#include "library/listing.h"
#include "settings/text.h"
#include "settings/win/handles.h"
#include "settings/win/settings_win.h"

namespace pw {
namespace {

bool IsDots(const char* name)
{
    return name[0] == '.' && (!name[1] || (name[1] == '.' && !name[2]));
}

std::string DateText(const FILETIME& written)
{
    FILETIME local;
    SYSTEMTIME st;
    if (!FileTimeToLocalFileTime(&written, &local) || !FileTimeToSystemTime(&local, &st)) return {};
    return SortKeyDateText({st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond});
}

}  // namespace

bool ReadFolder(const std::string& folder, std::vector<FolderEntry>& entries)
{
    std::string pattern;
    if (!JoinPath(pattern, folder, "*.*")) return false;
    WIN32_FIND_DATAA found;
    FindHandle search(FindFirstFileExA(pattern.c_str(), FindExInfoBasic, &found, FindExSearchNameMatch, nullptr,
                                       FIND_FIRST_EX_LARGE_FETCH));
    if (!search.valid()) return false;
    do {
        if (IsDots(found.cFileName)) continue;
        FolderEntry e;
        e.entry.name = found.cFileName;
        e.entry.isFolder = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        e.entry.hiddenAttribute = (found.dwFileAttributes & FILE_ATTRIBUTE_HIDDEN) != 0;
        if (!e.entry.isFolder) e.date = DateText(found.ftLastWriteTime);
        entries.push_back(std::move(e));
    } while (FindNextFileA(search.get(), &found));
    return true;
}

bool HasSubfolders(const std::string& folder, bool ownEntriesHidden)
{
    std::string pattern;
    if (!JoinPath(pattern, folder, "*.*")) return false;
    WIN32_FIND_DATAA found;
    FindHandle search(
        FindFirstFileExA(pattern.c_str(), FindExInfoBasic, &found, FindExSearchLimitToDirectories, nullptr, 0));
    if (!search.valid()) return false;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) || IsDots(found.cFileName)) continue;
        if (ownEntriesHidden && EqualsNoCase(found.cFileName, "imgs")) continue;
        return true;
    } while (FindNextFileA(search.get(), &found));
    return false;
}

unsigned long long FolderWriteTime(const std::string& folder)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(folder.c_str(), GetFileExInfoStandard, &data)) return 0;
    return (static_cast<unsigned long long>(data.ftLastWriteTime.dwHighDateTime) << 32) |
           data.ftLastWriteTime.dwLowDateTime;
}

HiddenEntryRules CurrentHiddenRules()
{
    HiddenEntryRules rules;
    rules.hideHidden = Settings().GetBoolDefaultTrue("HideHidden");
    rules.fwHideFiles = Settings().GetBoolDefaultTrue("FwHideFiles");
    rules.menuViewPWFiles = Settings().GetBoolDefaultTrue("MenuViewPWFiles");
    return rules;
}

}  // namespace pw
