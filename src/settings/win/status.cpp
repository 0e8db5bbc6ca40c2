// Status messages: the first status bar field, or the message line when the program has no status bar.
// A message stays 3 seconds: six ticks of timer 2.
#include "settings/win/messages.h"

#include <commctrl.h>

#include "settings/limits.h"

namespace pw {
namespace {

constexpr int kTicksShown = 6;

struct StatusState {
    StatusTarget target;
    int countdown = -1;
    int lastScroll = 0;
    std::string lastText;
    std::vector<std::string> recent;
};

constexpr std::size_t kRecentKept = 20;

StatusState& State()
{
    static StatusState state;
    return state;
}

void SetField(int index, const char* text)
{
    SendMessageA(State().target.statusBar, SB_SETTEXTA, index, reinterpret_cast<LPARAM>(text));
}

int EditorScrollPosition()
{
    HWND editor = State().target.activeEditor ? State().target.activeEditor() : nullptr;
    return editor ? static_cast<int>(SendMessageA(editor, EM_GETFIRSTVISIBLELINE, 0, 0)) : 0;
}

}  // namespace

void SetStatusTarget(const StatusTarget& target)
{
    State().target = target;
}

void StatusText(const std::string& text)
{
    StatusState& s = State();
    s.lastText = Cut(text, kMaxStatusText);
    if (s.recent.size() == kRecentKept) s.recent.erase(s.recent.begin());
    s.recent.push_back(s.lastText);
    if (s.target.statusBar) {
        SetField(0, s.lastText.c_str());
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
    s.lastScroll = EditorScrollPosition();
}

void StatusMessage(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    std::string text = FormatLimitedV(kMaxStatusText, format, args);
    va_end(args);
    StatusText(text);
}

void StatusTick()
{
    StatusState& s = State();
    if (s.target.statusBar) {
        if (s.countdown == 0) {
            SetField(0, "");
            SetField(3, "");
            if (!s.target.countsShown[0]) SetField(1, "");
            if (!s.target.countsShown[1]) SetField(2, "");
        }
        if (s.countdown >= 0) --s.countdown;
        return;
    }
    if (s.countdown > 0) --s.countdown;
    int scroll = EditorScrollPosition();
    if (scroll != s.lastScroll) s.countdown = 0;
    s.lastScroll = scroll;
    if (s.countdown == 0) HideMessageLine();
}

int StatusCountdown()
{
    return State().countdown;
}

const std::string& LastStatusText()
{
    return State().lastText;
}

const std::vector<std::string>& RecentStatusTexts()
{
    return State().recent;
}

void HideMessageLine()
{
    HWND line = State().target.messageLine;
    if (line && IsWindowVisible(line)) ShowWindow(line, SW_HIDE);
}

}  // namespace pw
