// The browser pane: a window of the class "PW Browser Object" that hosts the system's web browser control,
// and the handful of operations the program asks of it.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace pw {

inline constexpr const char* kBrowserClassName = "PW Browser Object";

// Registers the pane's window class (OLE is initialised by start-up first); false when it cannot be registered.
bool RegisterBrowserClass(HINSTANCE instance);
// Creates the pane, hidden, with its browser object as child 208 of the main window; null when that fails.
// The parent becomes the owner of link messages and the pane the one the context menu copies from.
HWND CreateBrowserPane(HWND parent);

// The window that receives the link message (WM_PW_LINK) when an "fw:" link is clicked.
void SetLinkOwner(HWND owner);
HWND LinkOwner();
// The pane whose selection the context menu's Copy takes.
void SetCopyPane(HWND pane);
HWND CopyPane();
// The address of the last "fw:" link clicked, in the system code page (at most 1039 characters).
const std::string& ClickedLink();
void SetClickedLink(const std::string& link);

// What the pane shows: set on every navigation through ShowPage.
enum class PageKind { None, ImagePage, Rendered, ShownDirectly };
PageKind ShownPageKind();
void SetShownPageKind(PageKind kind);

enum class NavigateResult { Ok, NoControl, NoWideText, Refused };
NavigateResult NavigatePane(HWND pane, const std::string& address);

enum BrowserCommandId {
    kBrowserBack = 0,
    kBrowserForward,
    kBrowserHome,
    kBrowserSearch,
    kBrowserRefresh,
    kBrowserStop,
    kBrowserPrint
};
// Print runs with the system print dialog, the print header and "   " as footer.
bool BrowserCommand(HWND pane, int command);
// The header for the next print (at most 259 characters; three blanks when empty).
void SetPrintHeader(const std::string& header);
const std::string& PrintHeader();

// The shown document's title, at most 259 characters; empty when the control cannot be reached.
std::string PageTitle(HWND pane);

// How WaitForTitleChange waits: readings at most, the pause between them, and the pump that keeps the window
// responsive (false once the program is quitting) and the title reader. Tests replace them.
struct TitleWait {
    int maxReadings = 202;
    int stepMs = 100;
    std::function<bool(int pauseMs)> pump;       // default: pump pending messages after the pause
    std::function<std::string(HWND)> readTitle;  // default: PageTitle
};
void SetTitleWait(const TitleWait& wait);
// Reads the title until it differs from the first reading, at most maxReadings times; shows the last title read
// in the main window caption and returns it.
std::string WaitForTitleChange(HWND pane);

// Reads the title (through the same hooks) until it equals the expected one, at most maxReadings times; the
// caption is left alone. False when it never came.
bool TitleArrives(HWND pane, const std::string& expected, int maxReadings);

// Copies the selected text of the shown page (frames included) to the clipboard; false when nothing is selected.
bool CopySelection(HWND pane);

// Sizes the control and remembers the size for the image page.
void ResizePane(HWND pane, int width, int height);
// The last pane size, when both values are above 0.
bool LastPaneSize(int& width, int& height);

// The context menu is tracked through this (tests answer instead of a person); it returns the chosen command.
using MenuTracker = std::function<int(HMENU menu, POINT at, HWND owner)>;
void SetContextMenuTracker(MenuTracker tracker);
int TrackContextMenu(HMENU menu, POINT at, HWND owner);

}  // namespace pw
