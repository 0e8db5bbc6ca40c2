// The folder poll: a folder's last-write time changes when entries are added, removed or renamed. A file
// rewritten in place does not change it, so the open note itself is checked on every tick as well.
#include "library/win/folder_watch.h"

#include <string>

#include "library/win/directory.h"
#include "library/win/file_pane.h"
#include "library/win/library_state.h"
#include "notes/win/document.h"
#include "settings/text.h"

namespace pw {
namespace {

FolderWatchState& Watch()
{
    return LibraryArea().watch;
}

}  // namespace

void FolderWatchTick()
{
    // The open note first: a note deleted by another program must be kept before the refresh closes it.
    CheckExternalChange();
    const PlaceRecord& place = CurrentPlace();
    if (place.inUse) {
        const std::string directory = FileDirectory(place);
        if (!EqualsNoCase(directory, Watch().path)) {
            Watch().path = directory;
            Watch().time = FolderWriteTime(directory);
        } else {
            const unsigned long long time = FolderWriteTime(directory);
            if (time != 0 && time != Watch().time) {
                Watch().time = time;
                RelistFilesKeepingSelection(false);
            }
        }
    }
}

void ResetFolderWatch()
{
    Watch().path.clear();
}

}  // namespace pw
