// What a file or folder is, judged from its name: the icon class of the file pane, the filter views of the
// file pane's menu, and which directory entries the lists hide.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace pw {

// Image indexes of the file pane's icons.
enum class FileKindIcon { Other = 0, Text = 1, Image = 2, Web = 3, Compressed = 4, Csv = 5 };

// textEditList and webViewList are the text viewer's edit list and the web viewer's view list, which give
// configured extensions their icon.
FileKindIcon FileKindOf(std::string_view fileName, const std::vector<std::string>& textEditList,
                        const std::vector<std::string>& webViewList);

// Command ids of the file pane's filter views.
enum FilterViewCommand {
    kFilterAllFiles = 550,
    kFilterTextFiles = 551,
    kFilterImageFiles = 552,
    kFilterSpreadsheetFiles = 553,
    kFilterCompressedFiles = 554,
    kFilterInternetFiles = 555,
};

// Whether the file passes the filter view; 0, 550 and any unknown command let everything through.
bool PassesFilterView(int command, std::string_view fileName, const std::vector<std::string>& textEditList,
                      const std::vector<std::string>& webViewList);

struct HiddenEntryRules {
    bool hideHidden = true;       // HideHidden
    bool fwHideFiles = true;      // FwHideFiles
    bool menuViewPWFiles = true;  // MenuViewPWFiles, the menu toggle that exists while FwHideFiles is off
};

struct DirectoryEntry {
    std::string name;
    bool isFolder = false;
    bool hiddenAttribute = false;
};

// Whether the program's own entries ("imgs" folders and ".fw" files) are hidden.
bool OwnEntriesHidden(const HiddenEntryRules& rules);
// The program's own entries: a folder named "imgs", a file whose name ends with ".fw" (and is longer).
bool IsOwnEntry(const DirectoryEntry& entry);
// Whether a directory entry appears in its pane: never "." and "..", never a hidden or own entry while those
// are hidden.
bool IsListedEntry(const DirectoryEntry& entry, const HiddenEntryRules& rules);

}  // namespace pw
