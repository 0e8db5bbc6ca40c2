// Rules of the folder and file panes that need no window: the sort keys and sort order of the file pane,
// the shortened folder caption, the parent entry and the folder icons.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "settings/text.h"

namespace pw {

inline constexpr std::string_view kParentEntry = "[ . . ]";

// What a file pane item is sorted by. Folders have an empty date.
struct SortKey {
    std::string name;
    std::string date;
};

// "2026.03.07 14:05:09": text order is time order.
std::string SortKeyDateText(const CivilTime& time);

enum SortColumn { kSortNone = -1, kSortByName = 0, kSortByDate = 1 };

struct SortState {
    int column = kSortNone;  // the column last sorted; kSortNone after every refill
    bool descending = false;
};

// Asking for the column last sorted flips the direction; another column sorts ascending.
void RequestSort(SortState& state, int column);
// Orders the keys by the state's column and direction, comparing without regard to case.
void SortKeys(std::vector<SortKey>& keys, const SortState& state);
// Negative, zero or positive like strcmp, ignoring letter case; punctuation sorts before digits and letters.
int CompareNoCase(std::string_view a, std::string_view b);

// The caption above the lists: two blanks and the folder path shortened to listWidth / textWidthMultiple
// characters, as "C:\first\...\last" or "...\last". The folder path itself is not changed.
std::string FolderCaption(std::string_view rootPath, std::string_view folderPath, int listWidth, int textWidthMultiple);
std::string ShortenFolderPath(std::string_view rootPath, std::string_view folderPath, int listWidth,
                              int textWidthMultiple);

// Whether the folder lies inside the root (not the root itself), with or without trailing backslashes.
bool IsBelowRoot(std::string_view rootPath, std::string_view folderPath);
// The folder pane starts with the parent entry everywhere below the root.
bool ShowsParentEntry(std::string_view rootPath, std::string_view folderPath);
// The folder path one level up: everything from the last backslash is cut; a drive keeps its backslash.
std::string ParentFolderPath(std::string_view folderPath);
// One level up, but never above the root.
std::string ParentWithinRoot(std::string_view rootPath, std::string_view folderPath);

// Image indexes of the folder pane's icons.
enum class FolderIcon { Plain = 0, Parent = 1, HasSubfolders = 2 };

// The icon of a folder from the names of the folders inside it ("." and ".." included as enumerated).
FolderIcon FolderIconFor(const std::vector<std::string>& subfolderNames, bool ownEntriesHidden);

}  // namespace pw
