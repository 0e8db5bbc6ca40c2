#include "render/win/browser_pane.h"

namespace pw {

// The embedded browser arrives with the rendering work; until then the main window has no browser pane.
bool RegisterBrowserClass(HINSTANCE) { return false; }

HWND CreateBrowserPane(HWND) { return nullptr; }

}  // namespace pw
