#include "shell/win/main_window.h"

namespace pw {
namespace {

// The program has one main window; tests make and drop it several times in one process.
MainWindow* g_main = nullptr;

}  // namespace

MainWindow::MainWindow(HINSTANCE instance) : instance(instance)
{
    g_main = this;
    AttachStatusBoard(&status);
}

MainWindow::~MainWindow()
{
    window_.reset();
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

MainWindow& Main()
{
    return *g_main;
}

bool MainWindowExists()
{
    return g_main != nullptr;
}

HWND ActiveEditor()
{
    return Main().wordWrap ? Main().panes.editWrap : Main().panes.editNoWrap;
}

}  // namespace pw
