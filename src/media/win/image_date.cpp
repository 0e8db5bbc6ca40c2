#include "media/win/image_date.h"

#include <windows.h>

#include "multibar/date_template.h"
#include "settings/win/messages.h"
#include "settings/win/safe_file.h"
#include "settings/win/settings_win.h"

namespace pw {

void PrependDateToImage(const PlaceRecord& place, std::string& imagePath, std::string& imageName)
{
    // MoveFileA refuses an existing target: a second guard, after the free-name search, against replacing one.
    const ImageFileSystem files{
        [](const std::string& path) { return PathExists(path); },
        [](const std::string& from, const std::string& to) { return MoveFileA(from.c_str(), to.c_str()) != 0; }};
    const std::string oldName = imageName;
    switch (
        PrependDateToImage(imagePath, imageName, Settings(), FileDirectory(place), place.rootPath, LocalNow(), files)) {
        case DatedImageResult::NoFreeName:
            StatusMessage("No free dated name for %s: it keeps its name", oldName.c_str());
            break;
        case DatedImageResult::TooLong:
            StatusMessage("A dated name for %s would be too long: it keeps its name", oldName.c_str());
            break;
        case DatedImageResult::RenameFailed:
            StatusMessage("Could not rename %s: %s", oldName.c_str(), LastErrorText().c_str());
            break;
        case DatedImageResult::Off:
        case DatedImageResult::Renamed:
            break;
    }
}

}  // namespace pw
