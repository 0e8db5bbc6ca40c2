// The folder search's walk over a file list: the next entry whose name or content holds the term. The program
// and "pagewick-cli search" both walk with this, each reading files its own way.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "library/viewers.h"
#include "multibar/search_text.h"

namespace pw {

// Whether the folder search reads the file: the fixed kinds, ".csv", and the text pane's extensions.
bool IsSearchableFile(std::string_view fileName, const ExtensionList& textExtensions);

struct FolderSearchRules {
    std::string term;
    bool checkFilename = true;  // DirectorySearchCheckFilename
    ExtensionList textExtensions;
    const UpperTable* upper = &AsciiUpperTable();
};

struct FolderHit {
    std::size_t index = 0;  // the entry that holds the term
    bool nameHit = false;   // its name holds the term
};

// The file's bytes, or nullopt when it cannot be read (which counts as no hit).
using ReadEntry = std::function<std::optional<std::string>(const std::string& name)>;

// The first hit from entry `from` on; nullopt when the walk reaches the end of the list.
std::optional<FolderHit> NextFolderHit(const std::vector<std::string>& entries, std::size_t from,
                                       const FolderSearchRules& rules, const ReadEntry& read);

}  // namespace pw
