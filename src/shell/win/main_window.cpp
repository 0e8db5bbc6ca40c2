#include "shell/win/main_window.h"

namespace pw {

MainWindow& Main()
{
    static MainWindow main;
    return main;
}

HWND ActiveEditor()
{
    return Main().wordWrap ? Main().panes.editWrap : Main().panes.editNoWrap;
}

}  // namespace pw
