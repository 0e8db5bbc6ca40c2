// Start-up order: migrate and load the settings, register the window class, initialise OLE, create the main
// window (which creates its panes), initialise it, restore its placement, open a file named on the command
// line, then run the first-launch action. Exit saves the open document and removes the rendered pages.
#include "shell/win/startup.h"

#include <ole2.h>

#include <memory>

#include "library/win/command_line.h"
#include "library/win/file_drag.h"
#include "library/win/library_state.h"
#include "notes/win/document.h"
#include "render/win/browser_pane.h"
#include "render/win/render_temp.h"
#include "settings/text.h"
#include "sheet/win/cell_editor.h"
#include "sheet/win/sheet_document.h"
#include "settings/win/message_pump.h"
#include "settings/win/messages.h"
#include "settings/win/safe_file.h"
#include "settings/win/settings_win.h"
#include "shell/ids.h"
#include "shell/win/dialog_keys.h"
#include "shell/win/drop_handling.h"
#include "shell/win/main_window.h"
#include "shell/win/placement_win.h"
#include "shell/win/shell_commands.h"
#include "shell/win/splitter.h"
#include "shell/win/timers.h"
#include "shell/win/window_class.h"

namespace pw {
namespace {

// The one main window of the process, from start-up to shutdown.
std::unique_ptr<MainWindow> g_window;

void ReportSettingsWriteFailure(const std::string& file)
{
    if (!MainWindowExists() || Main().settingsWriteReported) return;
    Main().settingsWriteReported = true;
    StatusMessage("Settings could not be saved to %s: %s", file.c_str(), LastErrorText().c_str());
}

HCURSOR LoadProgramCursor(HINSTANCE instance, int id)
{
    return static_cast<HCURSOR>(LoadImageA(instance, MAKEINTRESOURCEA(id), IMAGE_CURSOR, 0, 0, LR_DEFAULTSIZE));
}

void RunFirstLaunch()
{
    if (!Settings().GetBoolDefaultFalse("FirstLaunch")) return;
    Settings().SetGeneral("FirstLaunch", "0");
    ShowHelp();
}

}  // namespace

void MigrateSettingsFile()
{
    const std::string target = SettingsFilePath();
    const std::string earlier = ProgramFolder() + "ferrowind.ini";
    if (!PathExists(target) && PathExists(earlier)) MoveFileA(earlier.c_str(), target.c_str());
}

HWND StartPagewick(HINSTANCE instance, const StartOptions& options)
{
    if (!options.programFile.empty()) SetProgramFile(options.programFile);
    ShutdownPagewick();
    g_window = std::make_unique<MainWindow>(instance);
    MainWindow& main = *g_window;
    SetProgramQuitting(false);
    SetPageEngineAnswer(options.pageEngine);

    MigrateSettingsFile();
    Settings().OnWriteFailure(ReportSettingsWriteFailure);
    Settings().Load(SettingsFilePath());
    main.useStatusBar = Settings().GetBoolDefaultFalse("UseStatBar");
    main.expertMode = Settings().GetBoolDefaultFalse("ExpertMode");

    if (!RegisterMainWindowClass(instance)) return nullptr;
    // Without OLE the browser pane is missing; the rest of the program still works.
    if (SUCCEEDED(OleInitialize(nullptr))) RegisterBrowserClass(instance);

    main.dropOkCursor.reset(LoadProgramCursor(instance, IDC_DROP_OK));
    main.dropNoCursor.reset(LoadProgramCursor(instance, IDC_DROP_NO));
    main.library.panes.dropOk = main.dropOkCursor.get();
    main.library.panes.dropNo = main.dropNoCursor.get();
    main.sizeCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_SIZEWE));

    HWND hwnd = CreateMainWindow(main);
    if (!hwnd) return nullptr;
    InitialiseMainWindow();

    main.accelerators.reset(LoadAcceleratorsA(instance, MAKEINTRESOURCEA(IDA_ACCELERATORS)));
    RestoreWindowPlacement(hwnd, options.show);
    OpenCommandLineFile(options.commandLine);
    RegisterDropTargets();
    RunFirstLaunch();
    return hwnd;
}

bool HandleLoopMessage(MSG& msg)
{
    if (msg.message == WM_QUIT) return false;
    if (!MainWindowExists()) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
        return true;
    }
    MainWindow& main = Main();
    if (main.hwnd && main.accelerators && TranslateAcceleratorA(main.hwnd, main.accelerators.get(), &msg)) return true;
    if (main.editorHasFocus) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
        return true;
    }
    if (CellEditorMessage(msg)) return true;
    // Escape ends a drag of the splitter or of a file: letting go of the capture cancels either.
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE && (FileDragActive() || SplitterDragging())) {
        ReleaseCapture();
        return true;
    }
    if (HandleDialogKey(msg)) return true;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
    return true;
}

int RunMessageLoop()
{
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) HandleLoopMessage(msg);
    return static_cast<int>(msg.wParam);
}

int PagewickMain(HINSTANCE instance, const char* commandLine, int show)
{
    StartOptions options;
    options.commandLine = commandLine ? commandLine : "";
    options.show = show;
    if (!StartPagewick(instance, options)) return 1;
    int code = RunMessageLoop();
    ShutdownPagewick();
    OleUninitialize();
    return code;
}

void ExitPagewick()
{
    if (ProgramQuitting()) return;
    SetProgramQuitting(true);
    SaveBeforeExit();
    SaveSheet();
    DeleteRenderTempFiles();
    PostQuitMessage(0);
}

void ShutdownPagewick()
{
    if (!g_window) return;
    StopTimers();
    RevokeDropTargets();
    g_window.reset();
}

}  // namespace pw
