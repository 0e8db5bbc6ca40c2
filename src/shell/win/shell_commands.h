// The commands the shell owns itself: modes, exit, a new window, always on top, about, help, focus moves.
#pragma once

namespace pw {

void OnToggleMode(int id);
void OnExit(int id);
void OnNewWindow(int id);
void OnAlwaysOnTop(int id);
void OnAbout(int id);
void OnHelp(int id);
// The help note, shown in View mode (the Help command and the first launch).
void ShowHelp();
void OnFocusMultibar(int id);
void OnSelectAll(int id);
void OnFocusFiles(int id);
void OnFocusFolders(int id);
void OnFocusRoots(int id);
void OnFocusDocument(int id);

}  // namespace pw
