// The main window: the one object that owns the window, its panes, fonts, image lists and cursors, and the
// state of the shell. It exists from StartPagewick to ShutdownPagewick; the window procedure finds it from its
// HWND, everything else reaches it through Main().
#pragma once

#include <windows.h>

#include <string>

#include "launch/win/launch_state.h"
#include "library/win/library_state.h"
#include "multibar/win/multibar_state.h"
#include "notes/win/notes_state.h"
#include "render/win/render_state.h"
#include "settings/win/handles.h"
#include "settings/win/messages.h"
#include "sheet/win/sheet_state.h"
#include "shell/view_mode.h"
#include "shell/win/drop_handling.h"

namespace pw {

struct Panes {
    HWND toolbar = nullptr;
    HWND roots = nullptr;        // 205
    HWND folders = nullptr;      // 200
    HWND files = nullptr;        // 201
    HWND editNoWrap = nullptr;   // 202
    HWND editWrap = nullptr;     // 203
    HWND multibar = nullptr;     // 204
    HWND messageLine = nullptr;  // 206
    HWND caption = nullptr;      // 207
    HWND browser = nullptr;      // 208
    HWND sheet = nullptr;        // 210
    HWND statusBar = nullptr;    // 301
    HWND tooltip = nullptr;
};

// A drag of the splitter between the document area and the lists.
struct SplitterDrag {
    bool dragging = false;
    bool barDrawn = false;
    int barX = 0;
    HWND documentPane = nullptr;
    bool documentWasEnabled = false;
    int startX = 0;  // where the splitter was when the drag began
};

// The areas reach the main window only through the narrow host interfaces it implements: WebViewHost
// (render/win), DocumentHost (notes/win), LibraryHost (library/win), SheetHost (sheet/win) and MultibarHost
// (multibar/win).
class MainWindow final : public WebViewHost,
                         public DocumentHost,
                         public LibraryHost,
                         public SheetHost,
                         public MultibarHost {
public:
    explicit MainWindow(HINSTANCE instance);
    // Destroys the window (and with it every pane) before the state the panes' last messages still reach.
    ~MainWindow();
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // The main window whose window this is; null before WM_NCCREATE and after WM_NCDESTROY.
    static MainWindow* From(HWND hwnd);
    // Called from WM_NCCREATE and WM_NCDESTROY.
    void AttachWindow(HWND window);
    void DetachWindow(HWND window);

    HINSTANCE instance = nullptr;
    HWND hwnd = nullptr;  // owned through window_
    Panes panes;

    // What the window owns besides its child windows.
    AcceleratorHandle accelerators;
    CursorHandle dropOkCursor;
    CursorHandle dropNoCursor;
    HCURSOR sizeCursor = nullptr;  // the system's shared cursor: never destroyed
    GdiObject<HFONT> captionFont;
    GdiObject<HFONT> noteFont;
    ImageListHandle toolbarImages;
    ImageListHandle folderImages;
    ImageListHandle fileImages;

    bool useStatusBar = false;  // read once at start-up
    bool expertMode = false;
    int statusHeight = 0;

    ViewMode mode = ViewMode::Edit;
    bool editorHasFocus = false;

    // Layout
    int listWidth = -1;  // read from "ListWidth" on the first layout
    int splitterX = 0;
    int lastDocumentWidth = -1;
    bool layoutRunning = false;
    bool layoutSuspended = false;
    SplitterDrag splitter;

    // Toolbar: whether buttons 300 and 301 show Back and Forward, and the tooltip text handed out last.
    bool webPageShown = false;
    std::string tooltipText;

    // Placement
    bool placementRestored = false;
    std::string lastSavedPlacement;

    // Timers
    bool autosaveTimerRunning = false;
    bool settingsWriteReported = false;

    // Drag and drop: registered once the panes are up, revoked before they go.
    DropTargets drops;

    // The areas' state.
    StatusBoard status;
    RenderState render;
    NotesState notes;
    LibraryState library;
    SheetState sheet;
    LaunchState launch;
    MultibarState multibar;

private:
    // WebViewHost, DocumentHost and LibraryHost: the areas reach these through their interfaces only.
    PlaceRecord& CurrentPlace() override;
    void Relayout() override;
    bool OpenListedFile(const std::string& name) override;
    void AddListedFile(const std::string& name) override;
    bool FollowListedFile(const std::string& name) override;
    bool SelectListedFile(const std::string& name) override;
    void PasteImageIntoNote() override;
    int CurrentViewer() override;
    void ForgetOpenFile() override;
    void ShowViewerMenu(int viewer) override;
    void RemoveViewerMenu() override;
    void NoteFileWriting() override;
    void SetFirstButtons(bool webPageShown) override;
    ViewMode Mode() override;
    void EnterEditMode() override;
    int ListWidth() override;
    std::string SheetFilePath() override;
    bool InViewMode() override;
    std::string InfoFileOf(const std::string& path) override;
    std::string InfoFolder() override;
    void OpenNoteLink(const std::string& name) override;
    void OpenWebLink(const std::string& address) override;
    void SwitchToEditMode() override;

    WindowHandle window_;
};

// The main window while it exists.
MainWindow& Main();
bool MainWindowExists();

}  // namespace pw
