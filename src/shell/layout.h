// The arithmetic of the main window's layout: where every pane goes for a client size, a list width and a
// status bar height, and what releasing the splitter does to the list width.
#pragma once

namespace pw {

// Left edge of the Multibar; the toolbar buttons sit to its left.
inline constexpr int kMultibarLeft = 99;
// Status bar height to pass when the window has no status bar.
inline constexpr int kNoStatusBarHeight = -2;
inline constexpr int kRootListDropHeight = 200;

struct PaneRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct PaneRects {
    int half = 0;           // (H - S - 49) / 2, the share of each list
    PaneRect caption;       // current-folder caption (207)
    PaneRect folderPane;    // 200
    PaneRect filePane;      // 201
    PaneRect documentPane;  // both note edit panes, the browser pane and the sheet pane
    int browserObjectWidth = 0;
    int browserObjectHeight = 0;
    int splitterX = 0;          // the splitter's position: the document area's right edge
    PaneRect messageLine;       // 206
    PaneRect rootList;          // 205; its height is the drop-down height
    PaneRect multibar;          // 204
    int documentAreaWidth = 0;  // W - L: the toolbar row is redone when it changes
    int spacer303Width = 0;     // spacer under the Multibar
    int spacer304Width = 0;     // spacer under the root list
};

// width and height: the main window's client size; listWidth: ListWidth; statusBarHeight: the status bar's
// height or kNoStatusBarHeight.
PaneRects ComputeLayout(int width, int height, int listWidth, int statusBarHeight);

// The mouse is over the splitter within the two pixels to the right of its position.
bool IsOverSplitter(int mouseX, int splitterX);
// The splitter position while dragging follows the mouse.
int SplitterFromMouse(int mouseX);

struct SplitterResult {
    int listWidth = 0;         // no lower or upper bound
    int firstColumnWidth = 0;  // of both lists: never narrower than for a list width of 200
};

SplitterResult ReleaseSplitter(int clientWidth, int splitterX, int verticalScrollBarWidth);

// Width of the single column of the folder and file panes when they are created.
int ListColumnWidth(int listWidth);

}  // namespace pw
