// Status messages: the first status bar field, or the message line when the program has no status bar.
// A message stays 3 seconds: six ticks of timer 2.
#include "settings/win/messages.h"

#include <commctrl.h>

#include "settings/limits.h"

namespace pw {
namespace {

constexpr int kTicksShown = 6;

constexpr std::size_t kRecentKept = 20;

StatusBoard* g_board = nullptr;

void SetField(const StatusBoard& s, int index, const char* text)
{
    SendMessageA(s.target.statusBar, SB_SETTEXTA, index, reinterpret_cast<LPARAM>(text));
}

int EditorScrollPosition(const StatusBoard& s)
{
    HWND editor = s.target.activeEditor ? s.target.activeEditor() : nullptr;
    return editor ? static_cast<int>(SendMessageA(editor, EM_GETFIRSTVISIBLELINE, 0, 0)) : 0;
}

}  // namespace

void AttachStatusBoard(StatusBoard* board)
{
    g_board = board;
}

void SetStatusTarget(const StatusTarget& target)
{
    if (g_board) g_board->target = target;
}

void StatusText(const std::string& text)
{
    if (!g_board) return;
    StatusBoard& s = *g_board;
    s.lastText = Cut(text, kMaxStatusText);
    if (s.recent.size() == kRecentKept) s.recent.erase(s.recent.begin());
    s.recent.push_back(s.lastText);
    if (s.target.statusBar) {
        SetField(s, 0, s.lastText.c_str());
        s.countdown = kTicksShown;
        return;
    }
    HWND line = s.target.messageLine;
    if (!line || s.lastText.empty() || GetForegroundWindow() != s.target.mainWindow) return;
    SetWindowTextA(line, s.lastText.c_str());
    EnableWindow(line, TRUE);
    ShowWindow(line, SW_SHOW);
    SetWindowPos(line, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    s.countdown = kTicksShown;
    s.lastScroll = EditorScrollPosition(s);
}

void StatusMessage(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    std::string text = FormatLimitedV(kMaxStatusText, format, args);
    va_end(args);
    StatusText(text);
}

void ReportNotAvailable(const char* what)
{
    StatusMessage("Not available in this version yet: %s", what);
}

void StatusTick()
{
    if (!g_board) return;
    StatusBoard& s = *g_board;
    if (s.target.statusBar) {
        if (s.countdown == 0) {
            SetField(s, 0, "");
            SetField(s, 3, "");
            if (!s.target.countsShown[0]) SetField(s, 1, "");
            if (!s.target.countsShown[1]) SetField(s, 2, "");
        }
        if (s.countdown >= 0) --s.countdown;
        return;
    }
    if (s.countdown > 0) --s.countdown;
    int scroll = EditorScrollPosition(s);
    if (scroll != s.lastScroll) s.countdown = 0;
    s.lastScroll = scroll;
    if (s.countdown == 0) HideMessageLine();
}

int StatusCountdown()
{
    return g_board ? g_board->countdown : -1;
}

const std::string& LastStatusText()
{
    static const std::string none;
    return g_board ? g_board->lastText : none;
}

const std::vector<std::string>& RecentStatusTexts()
{
    static const std::vector<std::string> none;
    return g_board ? g_board->recent : none;
}

void HideMessageLine()
{
    if (!g_board) return;
    HWND line = g_board->target.messageLine;
    if (line && IsWindowVisible(line)) ShowWindow(line, SW_HIDE);
}

}  // namespace pw
