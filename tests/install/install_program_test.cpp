// The Install program itself, started as a process the way a user and the uninstall entry start it. Only its
// window is looked at and closed: nothing is installed or removed.
#include <windows.h>

#include <string>

#include <gtest/gtest.h>

#include "pw_version.h"

namespace {

struct Started {
    PROCESS_INFORMATION process = {};
    HWND window = nullptr;
};

// Finds the installer's main window of the given process, waiting for it to come up. It is shown only once
// its dialog is set up: a window found before that is still being made.
HWND WindowOf(DWORD processId)
{
    for (int tries = 0; tries < 300; ++tries) {
        HWND window = nullptr;
        while ((window = FindWindowExA(nullptr, window, "installclass", "Install Pagewick")) != nullptr) {
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == processId && IsWindowVisible(window)) return window;
        }
        Sleep(100);
    }
    return nullptr;
}

Started Start(const std::string& arguments)
{
    Started started;
    std::string commandLine = "\"" PW_INSTALL_EXE "\"" + arguments;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    if (CreateProcessA(PW_INSTALL_EXE, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                       &started.process))
        started.window = WindowOf(started.process.dwProcessId);
    return started;
}

std::string ButtonText(HWND window, int id)
{
    char text[64] = "";
    GetWindowTextA(GetDlgItem(window, id), text, sizeof text);
    return text;
}

// Closes the window as its close box does and gives the exit code.
DWORD Close(Started& started)
{
    PostMessageA(started.window, WM_CLOSE, 0, 0);
    DWORD code = 99;
    if (WaitForSingleObject(started.process.hProcess, 30000) == WAIT_OBJECT_0)
        GetExitCodeProcess(started.process.hProcess, &code);
    else
        TerminateProcess(started.process.hProcess, 98);
    CloseHandle(started.process.hThread);
    CloseHandle(started.process.hProcess);
    return code;
}

TEST(InstallProgramTest, PlainStartShowsInstallAndTheUninstallCommandShowsRemove)
{
    Started plain = Start("");
    ASSERT_TRUE(plain.window);
    EXPECT_EQ(ButtonText(plain.window, IDOK), "Install");
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(plain.window, IDOK)));
    EXPECT_EQ(Close(plain), 0u);

    Started uninstall = Start(" -uninstall");
    ASSERT_TRUE(uninstall.window);
    EXPECT_EQ(ButtonText(uninstall.window, IDOK), "Remove");
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(uninstall.window, IDOK)));
    EXPECT_EQ(Close(uninstall), 0u);
}

TEST(InstallProgramTest, VersionBlockFollowsTheBuildsVersion)
{
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(PW_INSTALL_EXE, &ignored);
    ASSERT_GT(size, 0u);
    std::string block(size, '\0');
    ASSERT_TRUE(GetFileVersionInfoA(PW_INSTALL_EXE, 0, size, block.data()));
    char* value = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(block.data(), "\\StringFileInfo\\040904b0\\ProductVersion",
                               reinterpret_cast<void**>(&value), &length));
    EXPECT_STREQ(value, PW_VERSION_TEXT);
    EXPECT_STRNE(PW_VERSION_TEXT, "");
}

}  // namespace
