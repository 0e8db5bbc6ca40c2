// The toolbar row: command buttons with changing faces, the Multibar's and the root list's spacers.
#pragma once

#include <windows.h>
#include <commctrl.h>

namespace pw {

HWND CreateToolbar(HWND main);
// The root list is created on the toolbar and then moved to the main window.
HWND CreateRootList(HWND toolbar);
// Faces of buttons 300 and 301: New/Save, or Back/Forward while the web viewer shows a page.
void SetFirstButtons(bool webPageShown);
// Face of button 305 (the mode a click switches to) and whether Save is enabled.
void SetModeButtons();
void EnablePerpetualButton(int id, bool on);
// Places the spacers, the root list and the Multibar for a document area width and a list width.
void LayoutToolbarRow(int documentWidth, int listWidth);
// Tooltip text for a toolbar button; null for none.
const char* ToolbarTooltip(UINT_PTR id);

}  // namespace pw
