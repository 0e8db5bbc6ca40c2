#include "library/file_kinds.h"

#include <algorithm>
#include <iterator>

#include "settings/text.h"

namespace pw {
namespace {

constexpr std::string_view kTextExtensions[] = {".txt", ".log", ".md", ".wgi", ".ini", ".old", ".wki", ".c",
                                                ".cpp", ".h",   ".rc", ".hpp", ".reg", ".bat", ".fw"};
constexpr std::string_view kImageExtensions[] = {".jpg", ".gif", ".tga", ".png", ".bmp"};
constexpr std::string_view kWebExtensions[] = {".html", ".htm", ".xml", ".svg", ".js", ".css"};
constexpr std::string_view kCompressedExtensions[] = {".zip", ".crx", ".7z"};
constexpr std::string_view kCsvExtensions[] = {".csv"};

template <typename List>
bool InList(const List& list, std::string_view extension)
{
    if (extension.empty()) return false;
    return std::any_of(std::begin(list), std::end(list),
                       [&](const auto& item) { return EqualsNoCase(item, extension); });
}

}  // namespace

FileKindIcon FileKindOf(std::string_view fileName, const std::vector<std::string>& textEditList,
                        const std::vector<std::string>& webViewList)
{
    std::string extension = ExtensionOf(fileName);
    if (InList(kTextExtensions, extension)) return FileKindIcon::Text;
    if (InList(kImageExtensions, extension)) return FileKindIcon::Image;
    if (InList(kWebExtensions, extension)) return FileKindIcon::Web;
    if (InList(kCompressedExtensions, extension)) return FileKindIcon::Compressed;
    if (InList(kCsvExtensions, extension)) return FileKindIcon::Csv;
    if (InList(textEditList, extension)) return FileKindIcon::Text;
    if (InList(webViewList, extension)) return FileKindIcon::Web;
    return FileKindIcon::Other;
}

bool PassesFilterView(int command, std::string_view fileName, const std::vector<std::string>& textEditList,
                      const std::vector<std::string>& webViewList)
{
    std::string extension = ExtensionOf(fileName);
    switch (command) {
        case kFilterTextFiles:
            return InList(kTextExtensions, extension) || InList(textEditList, extension);
        case kFilterImageFiles:
            return InList(kImageExtensions, extension);
        case kFilterSpreadsheetFiles:
            return InList(kCsvExtensions, extension);
        case kFilterCompressedFiles:
            return InList(kCompressedExtensions, extension);
        case kFilterInternetFiles:
            return InList(kWebExtensions, extension) || InList(webViewList, extension);
        default:
            return true;
    }
}

bool OwnEntriesHidden(const HiddenEntryRules& rules)
{
    return rules.fwHideFiles || !rules.menuViewPWFiles;
}

bool IsOwnEntry(const DirectoryEntry& entry)
{
    return entry.isFolder ? EqualsNoCase(entry.name, "imgs") : EndsWithNoCase(entry.name, ".fw");
}

bool IsListedEntry(const DirectoryEntry& entry, const HiddenEntryRules& rules)
{
    if (entry.name.empty() || entry.name == "." || entry.name == "..") return false;
    if (rules.hideHidden && (entry.hiddenAttribute || entry.name.front() == '.')) return false;
    return !(OwnEntriesHidden(rules) && IsOwnEntry(entry));
}

}  // namespace pw
