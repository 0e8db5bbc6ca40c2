// Talking to the user: status messages with their 3-second countdown, message boxes, common dialogs, the
// system's error texts, version texts and the log file.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "settings/text.h"

namespace pw {

// Where status messages go; the main window registers its panes once they exist.
struct StatusTarget {
    HWND mainWindow = nullptr;
    HWND statusBar = nullptr;            // null when the program runs without a status bar
    HWND messageLine = nullptr;          // used when there is no status bar
    HWND (*activeEditor)() = nullptr;    // whose scrolling hides the message line
    bool countsShown[2] = {true, true};  // fields 2 and 3 hold the character and word counts
};
// The status line's state: the main window owns one and attaches it while it lives.
struct StatusBoard {
    StatusTarget target;
    int countdown = -1;
    int lastScroll = 0;
    std::string lastText;
    std::vector<std::string> recent;
};
// Status messages go to the attached board; while none is attached (no main window) they are dropped.
void AttachStatusBoard(StatusBoard* board);
void SetStatusTarget(const StatusTarget& target);

void StatusMessage(const char* format, ...) __attribute__((format(printf, 1, 2)));
// Tells the user that a command reached a part of the program that this version does not have yet.
void ReportNotAvailable(const char* what);
void StatusText(const std::string& text);
// One tick of timer 2 (500 ms).
void StatusTick();
int StatusCountdown();
// The last status text shown (for tests and for the message line).
const std::string& LastStatusText();
// The last few status texts, oldest first (a later message often replaces an earlier one at once).
const std::vector<std::string>& RecentStatusTexts();
void HideMessageLine();

// Every modal box goes through here, so that tests can answer instead of a person.
using MessageBoxHook = std::function<int(HWND owner, const std::string& text, const std::string& caption, UINT type)>;
void SetMessageBoxHook(MessageBoxHook hook);
int ShowBox(HWND owner, const std::string& text, const std::string& caption, UINT type);

// "Message" box with only OK and no owner.
void MessageText(const char* format, ...) __attribute__((format(printf, 1, 2)));
bool YesNoQuestion(HWND owner, const std::string& caption, const std::string& text);
// Shows the text for the last common dialog's extended error; nothing for a cancel.
void ShowCommonDialogFailure();
bool OpenFileDialog(HWND owner, const std::string& initialFolder, const char* filter, std::string& fileTitle,
                    std::string& filePath);
bool PickFolder(std::string& path);

// System message text for an error code (trailing line end removed, at most 259 characters).
std::string ErrorText(DWORD error);
std::string LastErrorText();

enum class VersionField { File, Product };
// The version text of a program file, or the stated failure text in out.
bool VersionText(const std::string& programFile, VersionField which, std::string& out);

// Appends one time-stamped line to "LogFile.log" in the program folder.
bool Log(const char* format, ...) __attribute__((format(printf, 1, 2)));

// The local time, read once per use. Tests fix the clock with a hook; an empty hook gives the system's again.
CivilTime LocalNow();
using ClockHook = std::function<CivilTime()>;
void SetClockHook(ClockHook hook);
std::string DocumentsFolder();
// Starts a process in a new process group; its id, or 0.
DWORD StartProgram(const std::string& commandLine, int show = SW_SHOWNORMAL);

}  // namespace pw
