// The note editor's own context menu: clipboard commands, Launch Associated and the markup commands. The
// editor runs the chosen command itself; none of them reach the main window's command table.
#pragma once

#include <windows.h>

namespace pw {

// The menu for the active editor's present state (selection, clipboard, first line); the caller owns it.
HMENU BuildEditorMenu();
// Shows the menu at a screen point and runs the chosen command.
void ShowEditorMenu(POINT screen);
// Runs one of the menu's commands (177, 199, 768, 769, 29697 to 29704, 33794 to 33796).
void RunEditorCommand(int id);

}  // namespace pw
