// What drops on the file pane and on the note edit panes do: the media area takes the drop, the library and
// the notes area place what it brings, so the table that joins them lives in the shell above all three.
#pragma once

#include "media/win/drop_target.h"

namespace pw {

// The targets registered for the panes; each is null while its pane takes no drops.
struct DropTargets {
    CDropTarget* files = nullptr;
    CDropTarget* editNoWrap = nullptr;
    CDropTarget* editWrap = nullptr;
};

// The drop table: the first format offered of bitmap, file list, "text/html" and plain text is handled.
void HandleDrop(DropTargetKind kind, IDataObject* data);

// At start-up, after the panes exist; at shutdown, before they go.
void RegisterDropTargets();
void RevokeDropTargets();

}  // namespace pw
