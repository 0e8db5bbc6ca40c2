// One place in the library: which root, which folder, which file. The current root's record is also the live
// state of the folder pane, the file pane and the open note.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "settings/limits.h"
#include "settings/text.h"

namespace pw {

// A root's default extension holds at most this many characters, the dot included.
inline constexpr std::size_t kMaxExtensionText = 9;

struct PlaceRecord {
    int inUse = 0;                 // 1 when the record holds a place
    std::string rootPath;          // the root's folder, variables expanded
    std::string storedRootPath;    // the root's folder as written in the settings
    std::string alias;             // the name shown in the root list
    std::string fileFolder;        // the folder whose files are listed; empty when it equals folderPath
    std::string folderPath;        // the folder whose subfolders are listed
    std::string selectedFolder;    // the subfolder selected in the folder pane
    std::string file;              // the selected or open file's name, not its path
    std::string defaultExtension;  // such as ".txt"
};

// Keeps every text of the record within the sizes the rest of the program relies on.
inline void CutPlaceFields(PlaceRecord& place)
{
    for (std::string* field : {&place.rootPath, &place.storedRootPath, &place.alias, &place.fileFolder,
                               &place.folderPath, &place.selectedFolder, &place.file}) {
        *field = Cut(*field);
    }
    place.defaultExtension = Cut(place.defaultExtension, kMaxExtensionText);
}

// The directory whose files are listed and where the open file lives.
inline const std::string& FileDirectory(const PlaceRecord& place)
{
    return place.fileFolder.empty() ? place.folderPath : place.fileFolder;
}

// The full path of the place's file; empty when the file directory and the name do not fit one path.
inline std::string CurrentFilePath(const PlaceRecord& place)
{
    std::string path;
    JoinPath(path, FileDirectory(place), place.file);
    return path;
}

// The full path of the file open at the place; empty when there is none or it does not fit.
inline std::string OpenFilePath(const PlaceRecord& place)
{
    if (!place.inUse || place.file.empty()) return {};
    return CurrentFilePath(place);
}

}  // namespace pw
