// The Multibar: running its line (Enter and Ctrl+Enter), its own context menu and window procedure, and the
// Keywords command.
#pragma once

#include <windows.h>

#include <string>

namespace pw {

// Runs the Multibar's text; webAllowed is false for Ctrl+Enter, where a web address is taken as a name.
void RunMultibar(bool webAllowed);
void RunMultibarLine();       // Enter
void RunMultibarSecondWay();  // Ctrl+Enter (40032)
// Shows a web address, or for a "???" line the web search, in the browser pane.
void BrowseTo(const std::string& text);
// Commands 909, 952 and 512: the Keywords dialog for the current note, or for the file list's selection.
void ShowKeywords(int command);
// A new spreadsheet in the current folder, named from the request ("" for "New Spreadsheet"), opened for editing.
void NewSpreadsheet(const std::string& requestedName);

// Takes over the Multibar's window procedure for its context menu and the menu's commands.
void HookMultibar(HWND multibar);
void MultibarContextMenu(POINT screenPoint);
void MultibarMenuCommand(int command);

}  // namespace pw
