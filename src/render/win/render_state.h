// The render area's state. The main window owns one RenderState and attaches it while it lives; the browser
// pane and the web viewer reach it through RenderArea(), and reach the main window only through WebViewHost.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "library/place.h"
#include "render/win/browser_pane.h"
#include "render/win/page_engine.h"
#include "render/win/web_view.h"

namespace pw {

// What the web viewer asks of the main window above it; the shell implements it.
class WebViewHost {
public:
    // The place whose file the viewer shows: the current root's record.
    virtual PlaceRecord& CurrentPlace() = 0;
    // The pane was hidden: the panes are laid out again.
    virtual void Relayout() = 0;
    // The file list: select a name and open it (false when the list has no such name); add a name.
    virtual bool OpenListedFile(const std::string& name) = 0;
    virtual void AddListedFile(const std::string& name) = 0;
    // Back or Forward landed on the page of this file: the list and the current place follow it, without
    // showing it again. False when the list has no such name.
    virtual bool FollowListedFile(const std::string& name) = 0;

protected:
    ~WebViewHost() = default;
};

struct BrowserPaneState {
    HWND mainWindow = nullptr;  // the parent: its caption shows the page title
    HWND pane = nullptr;        // the pane made by CreateBrowserPane
    HWND linkOwner = nullptr;
    HWND copyPane = nullptr;
    int lastWidth = 0;
    int lastHeight = 0;
    std::string clickedLink;
    std::string printHeader = "   ";
    PageKind kind = PageKind::None;
    TitleWait titleWait;
    MenuTracker menuTracker;
};

struct WebViewState {
    WebViewHost* host = nullptr;
    bool busy = false;
    bool imagePageStyled = false;
    std::string shownAddress;
    std::function<bool(HWND, int)> historyCommand;  // Back and Forward; tests replace it
    std::string chosenStyleSheet;                   // "" until one is chosen from the menu
    FileListAccess fileListOverride;
};

// Whether pages can be shown here, and what the fallback handed to the web browser.
struct PageEngineState {
    PageEngine engine = PageEngine::Unknown;
    std::string probePage;      // the probe's temporary page
    std::string handedOverFor;  // the note whose page went to the web browser since the pane was last blank
    HWND notice = nullptr;      // child of the pane, made on first need
    PageHandOver handOver;      // empty: the "open" verb
};

struct RenderState {
    BrowserPaneState browser;
    WebViewState view;
    PageEngineState engine;
};

void AttachRenderState(RenderState* state);
RenderState& RenderArea();

}  // namespace pw
