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

struct WatchState {
    std::string path;
    unsigned long long time = 0;
};

WatchState g_watch;

}  // namespace

void FolderWatchTick()
{
    // The open note first: a note deleted by another program must be kept before the refresh closes it.
    CheckExternalChange();
    const PlaceRecord& place = CurrentPlace();
    if (place.inUse) {
        const std::string directory = FileDirectory(place);
        if (!EqualsNoCase(directory, g_watch.path)) {
            g_watch.path = directory;
            g_watch.time = FolderWriteTime(directory);
        } else {
            const unsigned long long time = FolderWriteTime(directory);
            if (time != 0 && time != g_watch.time) {
                g_watch.time = time;
                RelistFilesKeepingSelection(false);
            }
        }
    }
}

void ResetFolderWatch()
{
    g_watch.path.clear();
}

}  // namespace pw
