#include "shell/win/main_window.h"

#include "library/win/file_pane.h"
#include "library/win/folder_watch.h"
#include "library/win/library_state.h"
#include "shell/win/image_paste.h"
#include "shell/win/layout_win.h"
#include "shell/win/mode.h"
#include "shell/win/toolbar.h"
#include "shell/win/viewer_menu.h"

namespace pw {
namespace {

// The program has one main window; tests make and drop it several times in one process.
MainWindow* g_main = nullptr;

}  // namespace

MainWindow::MainWindow(HINSTANCE instance) : instance(instance)
{
    g_main = this;
    AttachStatusBoard(&status);
    render.view.host = this;
    AttachRenderState(&render);
    notes.host = this;
    AttachNotesState(&notes);
    library.host = this;
    AttachLibraryState(&library);
    multibar.host = this;
    AttachMultibarState(&multibar);
}

MainWindow::~MainWindow()
{
    window_.reset();
    AttachMultibarState(nullptr);
    AttachLibraryState(nullptr);
    AttachNotesState(nullptr);
    AttachRenderState(nullptr);
    AttachStatusBoard(nullptr);
    g_main = nullptr;
}

MainWindow* MainWindow::From(HWND hwnd)
{
    return reinterpret_cast<MainWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

void MainWindow::AttachWindow(HWND window)
{
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    hwnd = window;
    window_.reset(window);
}

void MainWindow::DetachWindow(HWND window)
{
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    if (window == hwnd) hwnd = nullptr;
}

PlaceRecord& MainWindow::CurrentPlace()
{
    return pw::CurrentPlace();
}

void MainWindow::Relayout()
{
    LayoutMainWindow();
}

bool MainWindow::OpenListedFile(const std::string& name)
{
    return SelectAndOpenFile(name);
}

void MainWindow::AddListedFile(const std::string& name)
{
    AddFileItem(name);
}

bool MainWindow::FollowListedFile(const std::string& name)
{
    return FollowShownFile(name);
}

void MainWindow::PasteImageIntoNote()
{
    PasteImageForNote();
}

bool MainWindow::SelectListedFile(const std::string& name)
{
    return SelectFileByName(name);
}

int MainWindow::CurrentViewer()
{
    return pw::CurrentViewer();
}

void MainWindow::ForgetOpenFile()
{
    pw::ForgetOpenFile();
}

void MainWindow::ShowViewerMenu(int viewer)
{
    ShowViewerMenuItems(viewer);
}

void MainWindow::RemoveViewerMenu()
{
    RemoveViewerMenuItems();
}

void MainWindow::NoteFileWriting()
{
    ResetFolderWatch();
}

void MainWindow::SetFirstButtons(bool webPageShown)
{
    pw::SetFirstButtons(webPageShown);
}

ViewMode MainWindow::Mode()
{
    return mode;
}

void MainWindow::EnterEditMode()
{
    if (mode != ViewMode::Edit) ToggleMode(true);
}

void MainWindow::SwitchToEditMode()
{
    EnsureEditMode();
}

int MainWindow::ListWidth()
{
    return pw::ListWidth();
}

MainWindow& Main()
{
    return *g_main;
}

bool MainWindowExists()
{
    return g_main != nullptr;
}

}  // namespace pw
