#include "library/win/library_view.h"

#include "notes/win/document.h"
#include "shell/win/main_window.h"

namespace pw {

void AddOwnFilesMenuItem() {}

void SetUpViewers() {}

HWND CurrentDocumentPane() { return ActiveEditor(); }

void CloseForModeChange() { SaveIfModified(); }

void ShowSelectedFileAgain() {}

}  // namespace pw
