// Keys typed anywhere in the main window, through the real message loop: every pane keeps answering, edit
// fields get what is typed, and outside the note editors Tab, Shift+Tab, Enter and Escape work as in a dialog.
#include <windows.h>
#include <commctrl.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "gui_harness.h"
#include "library/win/file_pane.h"
#include "library/win/library_state.h"
#include "notes/win/document.h"
#include "shell/ids.h"
#include "shell/win/main_window.h"
#include "shell/win/startup.h"

namespace pwtest {
namespace {

// Ends the test program with a message when the window thread is still busy with one key after 20 seconds:
// a window that stops answering would otherwise hang the run until ctest's time-out.
class HangGuard {
public:
    explicit HangGuard(std::string what) : what_(std::move(what)), watcher_([this] { Watch(); }) {}
    ~HangGuard()
    {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            done_ = true;
        }
        wake_.notify_one();
        watcher_.join();
    }

private:
    void Watch()
    {
        std::unique_lock<std::mutex> lock(mutex_);
        if (wake_.wait_for(lock, std::chrono::seconds(20), [this] { return done_; })) return;
        std::fprintf(stderr, "the main window stopped answering: %s\n", what_.c_str());
        std::fflush(stderr);
        TerminateProcess(GetCurrentProcess(), 71);
    }

    std::string what_;
    std::mutex mutex_;
    std::condition_variable wake_;
    bool done_ = false;
    std::thread watcher_;
};

// Records the commands the main window receives, then lets the window handle them as usual.
std::vector<int> g_commands;
WNDPROC g_mainProc = nullptr;
LRESULT CALLBACK RecordCommands(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COMMAND && lParam == 0) g_commands.push_back(LOWORD(wParam));
    return CallWindowProcA(g_mainProc, window, message, wParam, lParam);
}

class KeyboardTest : public PagewickTest {
protected:
    void StartWithNotes()
    {
        lib = InFolder("Notes");
        MakeFolder(lib);
        MakeFolder(lib + "\\Work");
        WriteFile(lib + "\\a.txt", "alpha");
        WriteFile(lib + "\\b.txt", "beta");
        WriteIni(
            "[General]\r\nUseStatBar=1\r\nRootAutoAddCDrive=0\r\nRootAutoAddMyDocuments=0\r\nRootAutoAddAmbervale=0\r\n"
            "[BasicRoots]\r\n" +
            lib + "=Notes;.txt\r\n");
        ASSERT_TRUE(Start());
        // Keys from the input queue go to the foreground window's focus.
        SetForegroundWindow(hwnd);
        Pump();
        ASSERT_EQ(GetForegroundWindow(), hwnd);
    }

    void TearDown() override
    {
        SetShift(false);
        if (g_mainProc && hwnd) SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_mainProc));
        g_mainProc = nullptr;
        g_commands.clear();
        PagewickTest::TearDown();
    }

    void RecordMainWindowCommands()
    {
        g_mainProc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RecordCommands)));
    }

    static void SetShift(bool down)
    {
        BYTE keys[256] = {};
        GetKeyboardState(keys);
        keys[VK_SHIFT] = down ? 0x80 : 0;
        SetKeyboardState(keys);
    }

    // A key press through the system's input queue, handled by the message loop until its key-up arrived.
    void Press(UINT key, const std::string& where)
    {
        INPUT inputs[2] = {};
        for (INPUT& input : inputs) {
            input.type = INPUT_KEYBOARD;
            input.ki.wVk = static_cast<WORD>(key);
        }
        inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
        SendInput(2, inputs, sizeof(INPUT));
        HangGuard guard("a key pressed in " + where);
        for (int i = 0; i < 100; ++i) {
            MSG msg;
            bool sawKeyUp = false;
            while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
                if (msg.message == WM_KEYUP && msg.wParam == key) sawKeyUp = true;
                pw::HandleLoopMessage(msg);
            }
            if (sawKeyUp) break;
            Sleep(10);
        }
        Pump();
    }

    // A click of the left mouse button in the middle of the window, through the system's input queue.
    void Click(HWND window)
    {
        RECT r{};
        GetWindowRect(window, &r);
        SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        INPUT inputs[2] = {};
        for (INPUT& input : inputs) input.type = INPUT_MOUSE;
        inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
        inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
        SendInput(2, inputs, sizeof(INPUT));
        HangGuard guard("a click");
        for (int i = 0; i < 100; ++i) {
            MSG msg;
            bool sawUp = false;
            while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
                if (msg.message == WM_LBUTTONUP) sawUp = true;
                pw::HandleLoopMessage(msg);
            }
            if (sawUp) break;
            Sleep(10);
        }
        Pump();
    }

    std::string lib;
};

TEST_F(KeyboardTest, TypingIntoEveryPaneKeepsTheWindowAnswering)
{
    StartWithNotes();
    const pw::Panes& p = pw::Main().panes;
    // Clicking the empty editor before a note is open leaves the focus on the main window itself.
    // The empty, disabled editor before any note is open: the click lands on whatever lies there.
    Click(pw::ActiveEditor());
    Press('A', "the empty document area");
    SetFocus(hwnd);
    Press('A', "the main window itself");
    for (HWND pane : {p.roots, p.folders, p.files}) {
        SetFocus(pane);
        Press('A', "a list pane");
    }

    Click(p.multibar);
    EXPECT_EQ(GetFocus(), p.multibar) << "a click into the Multibar reaches it, not the toolbar row behind it";
    Press('A', "the Multibar");
    EXPECT_EQ(TextOf(p.multibar), "a");

    HWND rootEdit = FindWindowExA(p.roots, nullptr, "Edit", nullptr);
    ASSERT_NE(rootEdit, nullptr);
    SetFocus(rootEdit);
    SendMessageA(rootEdit, EM_SETSEL, 0, -1);
    Press('A', "the root list's edit field");
    EXPECT_EQ(TextOf(rootEdit), "a");

    SetFocus(p.files);
    HWND label = ListView_EditLabel(p.files, 0);
    ASSERT_NE(label, nullptr);
    SendMessageA(label, EM_SETSEL, 0, -1);
    Press('A', "a file name being renamed");
    EXPECT_EQ(TextOf(label), "a");
    Press(VK_ESCAPE, "a file name being renamed");
    EXPECT_EQ(ListView_GetEditControl(p.files), nullptr) << "Escape ends the renaming";

    ASSERT_TRUE(pw::SelectFileByName("a.txt"));
    pw::CurrentPlace().file = "a.txt";
    ASSERT_TRUE(pw::LoadDocument(true));
    ASSERT_EQ(GetFocus(), pw::ActiveEditor());
    SendMessageA(pw::ActiveEditor(), EM_SETSEL, 5, 5);
    for (UINT key : {UINT('A'), UINT(VK_TAB), UINT(VK_RETURN)}) Press(key, "the note editor");
    EXPECT_EQ(TextOf(pw::ActiveEditor()), "alphaa\t\r\n") << "the editor takes Tab and Enter as text";

    EXPECT_TRUE(IsWindow(hwnd));
    EXPECT_EQ(SendMessageA(hwnd, WM_GETTEXTLENGTH, 0, 0), static_cast<LRESULT>(TextOf(hwnd).size()));
}

TEST_F(KeyboardTest, TabAndShiftTabMoveBetweenTheLists)
{
    StartWithNotes();
    const pw::Panes& p = pw::Main().panes;
    auto within = [](HWND pane) { return GetFocus() == pane || IsChild(pane, GetFocus()); };

    SetFocus(p.multibar);
    Press(VK_TAB, "the Multibar");
    EXPECT_TRUE(within(p.roots)) << "from outside the lists Tab goes to the root list";
    Press(VK_TAB, "the root list");
    EXPECT_EQ(GetFocus(), p.folders);
    Press(VK_TAB, "the folder pane");
    EXPECT_EQ(GetFocus(), p.files);
    Press(VK_TAB, "the file pane");
    EXPECT_TRUE(within(p.roots)) << "the hidden sheet pane is passed over";

    SetShift(true);
    Press(VK_TAB, "the root list");
    EXPECT_EQ(GetFocus(), p.files);
    Press(VK_TAB, "the file pane");
    EXPECT_EQ(GetFocus(), p.folders);
}

TEST_F(KeyboardTest, EnterAndEscapeOutsideTheEditorsBecomeCommandsOneAndTwo)
{
    StartWithNotes();
    const pw::Panes& p = pw::Main().panes;
    RecordMainWindowCommands();
    ASSERT_TRUE(pw::SelectFileByName("a.txt"));
    pw::CurrentPlace().file = "a.txt";
    ASSERT_TRUE(pw::LoadDocument(true));
    g_commands.clear();
    Press(VK_RETURN, "the note editor");
    EXPECT_TRUE(g_commands.empty()) << "Enter in a note is a line break";

    for (HWND pane : {p.multibar, p.files, p.roots, p.folders}) {
        g_commands.clear();
        SetFocus(pane);
        Press(VK_RETURN, "a pane");
        Press(VK_ESCAPE, "a pane");
        EXPECT_EQ(g_commands, (std::vector<int>{CMD_ENTER, CMD_ESCAPE}));
    }
}

}  // namespace
}  // namespace pwtest
