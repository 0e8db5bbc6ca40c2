#include "library/win/folder_watch.h"

namespace pw {

void FolderWatchTick() {}
void ResetFolderWatch() {}

}  // namespace pw
