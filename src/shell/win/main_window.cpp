#include "shell/win/main_window.h"

#include "library/win/file_pane.h"
#include "library/win/folder_watch.h"
#include <shellapi.h>

#include "library/win/library_state.h"
#include "notes/win/file_info.h"
#include "settings/text.h"
#include "settings/win/messages.h"
#include "settings/win/safe_file.h"
#include "settings/win/settings_win.h"
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
    sheet.host = this;
    AttachSheetState(&sheet);
    AttachLaunchState(&launch);
    multibar.host = this;
    AttachMultibarState(&multibar);
}

MainWindow::~MainWindow()
{
    window_.reset();
    AttachSheetState(nullptr);
    AttachLaunchState(nullptr);
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

std::string MainWindow::SheetFilePath()
{
    return CurrentFile();
}

bool MainWindow::InViewMode()
{
    return mode == ViewMode::View;
}

std::string MainWindow::InfoFileOf(const std::string& path)
{
    return InfoFileFor(path);
}

std::string MainWindow::InfoFolder()
{
    return FileInfoFolder();
}

// The name as written, then with the open file's extension, then with the default note extension; failing
// all three an empty note of that name is made in the current folder and opened.
void MainWindow::OpenNoteLink(const std::string& name)
{
    const std::string file = pw::CurrentPlace().file;
    const std::size_t dot = file.rfind('.');
    const std::string extension = dot == std::string::npos ? std::string() : file.substr(dot);
    const std::string fallback = Settings().GetString("DefaultExtension", ".txt");
    const std::string folder = FileDirectory(pw::CurrentPlace());
    if (SelectAndOpenFile(name) || (!extension.empty() && SelectAndOpenFile(name + extension)) ||
        SelectAndOpenFile(name + fallback))
        return;
    std::string path;
    if (!JoinPath(path, folder, name + fallback)) {
        StatusMessage("Path too long: %s", name.c_str());
        return;
    }
    DWORD error = 0;
    if (!WriteNewFile(path, "", &error)) {
        StatusText(ErrorText(error));
        return;
    }
    AddFileItem(name + fallback);
    SelectAndOpenFile(name + fallback);
}

void MainWindow::OpenWebLink(const std::string& address)
{
    ShellExecuteA(hwnd, "open", address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
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
