// A file of the file pane dragged out to other programs through the system's drag and drop.
#pragma once

#include <windows.h>
#include <ole2.h>

#include <string>

namespace pw {

// The data object of a drag out: one file list (CF_HDROP, content aspect, index -1, global memory) naming the
// file. Null when the name is empty, the path does not fit, or there is no memory. The caller releases it.
IDataObject* MakeFileDragObject(const std::string& folder, const std::string& fileName);

// Runs the system's modal drag loop offering the file, with copy as the only effect; nothing for an empty
// name.
void dragFileOut(const std::string& folder, const std::string& fileName);

}  // namespace pw
