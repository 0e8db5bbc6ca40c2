// Files, text and images dropped from other programs onto the file pane and the note editor.
#pragma once

namespace pw {

void RegisterDropTargets();
void RevokeDropTargets();

}  // namespace pw
