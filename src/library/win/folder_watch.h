// The poll of the current folder (timer 5): the file pane is listed again when the folder changed on disk.
#pragma once

namespace pw {

void FolderWatchTick();
// Forgets the watched folder, so that the program's own next write only re-baselines the watch.
void ResetFolderWatch();

}  // namespace pw
