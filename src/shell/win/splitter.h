// The splitter between the document area and the lists, dragged with the mouse on the main window's surface.
#pragma once

#include <windows.h>

namespace pw {

bool SplitterSetCursor(HWND hwnd, LPARAM lp);
void SplitterMouseDown(int x);
void SplitterMouseMove(int x, WPARAM keys);
void SplitterMouseUp(int x);
// The capture was lost (another window took it, Escape): the splitter goes back, nothing is stored.
void CancelSplitterDrag();
bool SplitterDragging();

}  // namespace pw
