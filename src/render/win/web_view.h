// The web viewer: shows the current file in the browser pane (a rendered note page, an image page, or the file
// itself), the style sheet choice, the browser's history and print commands, and the opening of note links.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "render/win/browser_pane.h"

namespace pw {

// The viewer's show operation for the current file. A second call while one is still filling the pane returns
// at once.
void RenderView();
// The viewer's leave operation: stop, go blank, hide the pane and lay the main window out again.
void BlankView();
bool BrowserPaneBusy();
// Shows a web address in the browser pane and waits for its title, which the main window's caption then shows.
// Nothing happens while the pane is busy or for an empty address.
void BrowseAddress(const std::string& address);

// Records the page kind, navigates and shows the pane.
void ShowPage(HWND pane, PageKind kind, const std::string& address);
// The address the pane was last sent to by ShowPage.
const std::string& ShownPageAddress();
// Writes "temp.html" in the program folder for the image and shows it; "Error writing temp file" when the
// page cannot be written.
bool ShowImagePage(HWND pane, const std::string& imagePath);

// The chosen style sheet, else MarkupCSS ("markup.css").
std::string CurrentStyleSheet();
// Chooses the style sheet until the program quits; with SaveCSSOnChange also stores it as MarkupCSS.
void SetStyleSheet(const std::string& name);
// The "*.css" files in the program's "support" folder, in the order the file system lists them.
std::vector<std::string> ListStyleSheets();
// Fills the "Select CSS" submenu: ids from 960, at most 20, the current one checked.
void FillStyleSheetMenu(HMENU submenu);
// Commands 960 to 979 of that submenu: choose the style sheet in that position and show the page again.
void ChooseStyleSheet(int id);

// Whether the pane shows a page (the Print item), and whether that page takes a style sheet (the submenu).
bool WebPageShown();
bool ShownPageUsesStyleSheet();

void PrintShownPage();
// Back and Forward select the file list entry named by the title of the page they land on, and the current
// place follows it.
void BrowserBack();
void BrowserForward();
// Runs the control's Back or Forward for them (empty: BrowserCommand); tests stand in for a control that keeps
// no history.
void SetHistoryCommand(std::function<bool(HWND pane, int command)> run);
void BrowserRefresh();

// The link message: opens the note the clicked "fw:" link names, or creates it in the current file directory.
void HandleNoteLink();

// How the web viewer reaches the file list; tests replace it to watch which names are asked for.
struct FileListAccess {
    std::function<bool(const std::string& name)> selectAndOpen;
    std::function<void(const std::string& name)> addItem;
    std::function<bool(const std::string& name)> followShown;
};
void SetFileListAccess(FileListAccess access);  // empty members restore the real file pane
// The access in force, every member set.
FileListAccess FileList();

}  // namespace pw
