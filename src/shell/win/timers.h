// The main window's timers: 1 autosave (each minute), 2 status countdown (500 ms), 5 folder poll (3 s).
#pragma once

namespace pw {

void StartFixedTimers();
// Stops timer 1 when it runs and starts it again when AutoSave is not 0.
void RestartAutosaveTimer();
bool AutosaveTimerRunning();
void StopTimers();
// What each timer does on expiry; tests call them directly instead of waiting.
void OnStatusTimer();
void OnFolderPollTimer();
void OnAutosaveTimer();

}  // namespace pw
