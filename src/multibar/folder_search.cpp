#include "multibar/folder_search.h"

#include "settings/text.h"

namespace pw {
namespace {

constexpr std::string_view kSearchableExtensions[] = {
    ".txt", ".log", ".md",  ".wgi", ".ini", ".old",  ".wki", ".c",   ".cpp", ".h",  ".rc",
    ".hpp", ".reg", ".bat", ".fw",  ".csv", ".html", ".htm", ".xml", ".svg", ".js", ".css",
};

}  // namespace

bool IsSearchableFile(std::string_view fileName, const ExtensionList& textExtensions)
{
    const std::string extension = ExtensionOf(fileName);
    if (extension.empty()) return false;
    for (std::string_view known : kSearchableExtensions)
        if (EqualsNoCase(extension, known)) return true;
    return HasListedExtension(textExtensions, fileName);
}

std::optional<FolderHit> NextFolderHit(const std::vector<std::string>& entries, std::size_t from,
                                       const FolderSearchRules& rules, const ReadEntry& read)
{
    for (std::size_t i = from; i < entries.size(); ++i) {
        const std::string& name = entries[i];
        const bool nameHit = rules.checkFilename && ContainsNoCase(name, rules.term, *rules.upper) >= 0;
        bool contentHit = false;
        if (!nameHit && IsSearchableFile(name, rules.textExtensions)) {
            const std::optional<std::string> bytes = read(name);
            contentHit = bytes && ContainsNoCase(*bytes, rules.term, *rules.upper) >= 0;
        }
        if (nameHit || contentHit) return FolderHit{i, nameHit};
    }
    return std::nullopt;
}

}  // namespace pw
