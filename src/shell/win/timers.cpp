#include "shell/win/timers.h"

#include <windows.h>

#include "library/viewers.h"
#include "library/win/folder_watch.h"
#include "library/win/library_state.h"
#include "notes/win/document.h"
#include "settings/win/messages.h"
#include "settings/win/settings_win.h"
#include "sheet/win/sheet_document.h"
#include "shell/ids.h"
#include "shell/win/main_window.h"

namespace pw {
namespace {

constexpr UINT kMinute = 60000;
constexpr UINT kStatusPeriod = 500;
constexpr UINT kPollPeriod = 3000;

// Timer 1 runs its procedure directly rather than as a WM_TIMER message of the window procedure.
void CALLBACK AutosaveTimerProc(HWND, UINT, UINT_PTR, DWORD)
{
    OnAutosaveTimer();
}

}  // namespace

void StartFixedTimers()
{
    HWND hwnd = Main().hwnd;
    SetTimer(hwnd, TIMER_STATUS, kStatusPeriod, nullptr);
    SetTimer(hwnd, TIMER_FOLDER_POLL, kPollPeriod, nullptr);
}

void RestartAutosaveTimer()
{
    MainWindow& main = Main();
    if (main.autosaveTimerRunning) {
        KillTimer(main.hwnd, TIMER_AUTOSAVE);
        main.autosaveTimerRunning = false;
    }
    if (Settings().GetInt("AutoSave", 2) != 0)
        main.autosaveTimerRunning = SetTimer(main.hwnd, TIMER_AUTOSAVE, kMinute, AutosaveTimerProc) != 0;
}

bool AutosaveTimerRunning()
{
    return Main().autosaveTimerRunning;
}

void StopTimers()
{
    HWND hwnd = Main().hwnd;
    if (!hwnd) return;
    KillTimer(hwnd, TIMER_AUTOSAVE);
    KillTimer(hwnd, TIMER_STATUS);
    KillTimer(hwnd, TIMER_FOLDER_POLL);
    Main().autosaveTimerRunning = false;
}

void OnStatusTimer()
{
    StatusTick();
}

void OnFolderPollTimer()
{
    FolderWatchTick();
}

void OnAutosaveTimer()
{
    AutosaveTick();
    // The note's count decides the minute; at that tick a shown spreadsheet is saved too.
    if (AutosaveCount() == 0 && CurrentViewer() == kSpreadsheetViewer) SaveSheet();
}

}  // namespace pw
