#include "library/listing.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace pw {

std::string SortKeyDateText(const CivilTime& time)
{
    char text[96];
    std::snprintf(text, sizeof text, "%04u.%02u.%02u %02u:%02u:%02u", static_cast<unsigned>(time.year),
                  static_cast<unsigned>(time.month), static_cast<unsigned>(time.day), static_cast<unsigned>(time.hour),
                  static_cast<unsigned>(time.minute), static_cast<unsigned>(time.second));
    return text;
}

void RequestSort(SortState& state, int column)
{
    state.descending = (column == state.column) ? !state.descending : false;
    state.column = column;
}

namespace {

// Like the system's case-blind list order: punctuation before digits before letters, so that the parent
// entry "[ . . ]" leads the folder pane.
int CollationRank(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    int group = 0;
    if (std::isdigit(byte)) group = 1;
    if (std::isalpha(byte)) group = 2;
    if (byte >= 128) group = 3;
    return group * 256 + std::tolower(byte);
}

}  // namespace

int CompareNoCase(std::string_view a, std::string_view b)
{
    std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        int order = CollationRank(a[i]) - CollationRank(b[i]);
        if (order != 0) return order;
    }
    return (a.size() < b.size()) ? -1 : (a.size() > b.size() ? 1 : 0);
}

void SortKeys(std::vector<SortKey>& keys, const SortState& state)
{
    if (state.column != kSortByName && state.column != kSortByDate) return;
    auto field = [&](const SortKey& key) -> const std::string& {
        return state.column == kSortByDate ? key.date : key.name;
    };
    std::stable_sort(keys.begin(), keys.end(), [&](const SortKey& a, const SortKey& b) {
        int order = CompareNoCase(field(a), field(b));
        return state.descending ? order > 0 : order < 0;
    });
}

namespace {

std::size_t PrefixLength(std::string_view rootPath)
{
    if (rootPath.size() >= 2 && rootPath[1] == ':') return 3;
    if (rootPath.starts_with("\\\\")) return 2;
    return rootPath.size();
}

}  // namespace

std::string ShortenFolderPath(std::string_view rootPath, std::string_view folderPath, int listWidth,
                              int textWidthMultiple)
{
    std::string whole(folderPath);
    if (textWidthMultiple <= 0 || listWidth < 0) return whole;
    std::size_t maximum = static_cast<std::size_t>(listWidth / textWidthMultiple);
    std::size_t prefix = PrefixLength(rootPath);
    if (folderPath.size() <= prefix || folderPath.size() <= maximum) return whole;
    std::size_t firstCut = folderPath.find('\\', prefix);
    std::size_t lastCut = folderPath.rfind('\\');
    if (firstCut == std::string_view::npos || firstCut == lastCut) return whole;
    std::string last(folderPath.substr(lastCut + 1));
    std::string both = std::string(folderPath.substr(0, firstCut)) + "\\...\\" + last;
    return both.size() <= maximum ? both : "...\\" + last;
}

std::string FolderCaption(std::string_view rootPath, std::string_view folderPath, int listWidth, int textWidthMultiple)
{
    return "  " + ShortenFolderPath(rootPath, folderPath, listWidth, textWidthMultiple);
}

namespace {

std::string_view WithoutTrailingSeparator(std::string_view path)
{
    while (path.size() > 1 && path.back() == '\\') path.remove_suffix(1);
    return path;
}

}  // namespace

bool IsBelowRoot(std::string_view rootPath, std::string_view folderPath)
{
    const std::string_view root = WithoutTrailingSeparator(rootPath);
    const std::string_view folder = WithoutTrailingSeparator(folderPath);
    return folder.size() > root.size() + 1 && EqualsNoCase(folder.substr(0, root.size()), root) &&
           folder[root.size()] == '\\';
}

bool ShowsParentEntry(std::string_view rootPath, std::string_view folderPath)
{
    return IsBelowRoot(rootPath, folderPath);
}

std::string ParentFolderPath(std::string_view folderPath)
{
    const std::string_view folder = WithoutTrailingSeparator(folderPath);
    const std::size_t cut = folder.rfind('\\');
    if (cut == std::string_view::npos) return std::string(folderPath);
    // "D:\notes" goes up to "D:\", never to the drive-relative "D:".
    if (cut > 0 && folder[cut - 1] == ':') return std::string(folder.substr(0, cut + 1));
    return std::string(folder.substr(0, cut));
}

std::string ParentWithinRoot(std::string_view rootPath, std::string_view folderPath)
{
    const std::string parent = ParentFolderPath(folderPath);
    return IsBelowRoot(rootPath, parent) ? parent : std::string(rootPath);
}

FolderIcon FolderIconFor(const std::vector<std::string>& subfolderNames, bool ownEntriesHidden)
{
    for (const std::string& name : subfolderNames) {
        if (name.empty() || name == "." || name == "..") continue;
        if (ownEntriesHidden && EqualsNoCase(name, "imgs")) continue;
        return FolderIcon::HasSubfolders;
    }
    return FolderIcon::Plain;
}

}  // namespace pw
