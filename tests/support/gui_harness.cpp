#include "gui_harness.h"

#include <commctrl.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "library/win/file_pane.h"
#include "library/win/folder_pane.h"
#include "library/win/list_view.h"
#include "notes/win/document.h"
#include "settings/win/messages.h"
#include "shell/ids.h"
#include "shell/win/main_window.h"
#include "shell/win/startup.h"

namespace pwtest {
namespace {

void RemoveTree(const std::string& folder)
{
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
}

}  // namespace

void PagewickTest::SetUp()
{
    // Read once: each test points TMP at a folder of its own that it deletes at the end.
    static const std::string temp = [] {
        char path[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, path);
        return std::string(path);
    }();
    static int counter = 0;
    std::ostringstream name;
    name << temp << "pwtest-" << GetCurrentProcessId() << "-" << ++counter << "\\";
    folder_ = name.str();
    CreateDirectoryA(folder_.c_str(), nullptr);
    // Each test gets a temporary folder of its own, so rendered pages of parallel tests never meet.
    const std::string tempFolder = folder_ + "temp";
    CreateDirectoryA(tempFolder.c_str(), nullptr);
    SetEnvironmentVariableA("TMP", tempFolder.c_str());
    SetEnvironmentVariableA("TEMP", tempFolder.c_str());
    pw::SetMessageBoxHook([this](HWND, const std::string& text, const std::string& caption, UINT type) {
        boxes.push_back({text, caption, type});
        return boxAnswer;
    });
}

void PagewickTest::TearDown()
{
    Stop();
    pw::SetMessageBoxHook(nullptr);
    RemoveTree(folder_);
}

void PagewickTest::WriteFile(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::string PagewickTest::ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool PagewickTest::Exists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void PagewickTest::MakeFolder(const std::string& path)
{
    CreateDirectoryA(path.c_str(), nullptr);
}

HWND PagewickTest::Start(const std::string& commandLine, int show)
{
    pw::StartOptions options;
    options.programFile = folder_ + "pagewick.exe";
    options.commandLine = commandLine;
    options.show = show;
    options.pageEngine = pageEngine;
    hwnd = pw::StartPagewick(GetModuleHandleA(nullptr), options);
    Pump();
    return hwnd;
}

// The one place where a test's state goes: the main window holds all of it (panes, library, note, web viewer,
// status line, test seams), so dropping it leaves nothing behind for the next start.
void PagewickTest::Stop()
{
    pw::ShutdownPagewick();
    hwnd = nullptr;
    MSG msg;
    // Drop what the window left behind, a quit message included.
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    }
}

void PagewickTest::Pump()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        pw::HandleLoopMessage(msg);
    }
}

void PagewickTest::Command(int id)
{
    SendMessageA(hwnd, WM_COMMAND, MAKEWPARAM(id, 0), 0);
    Pump();
}

void PagewickTest::ClickFile(const std::string& name)
{
    ASSERT_TRUE(pw::SelectFileByName(name)) << name;
    NMITEMACTIVATE click{};
    click.hdr.hwndFrom = pw::Main().panes.files;
    click.hdr.idFrom = IDW_FILES;
    click.hdr.code = NM_CLICK;
    SendMessageA(hwnd, WM_NOTIFY, IDW_FILES, reinterpret_cast<LPARAM>(&click));
    Pump();
}

void PagewickTest::TypeAtEndOfNote(const std::string& text)
{
    HWND editor = pw::ActiveEditor();
    const int end = GetWindowTextLengthA(editor);
    SendMessageA(editor, EM_SETSEL, end, end);
    SendMessageA(editor, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
    Pump();
    pw::OnEditorChanged();
}

void PagewickTest::SelectFolder(const std::string& name)
{
    HWND folders = pw::Main().panes.folders;
    const int index = pw::list_view::Find(folders, name);
    ASSERT_GE(index, 0) << name;
    pw::list_view::Select(folders, index);
    pw::OnFolderSelectionChanged();
    Pump();
}

std::string PagewickTest::SelectedIn(HWND list)
{
    const int index = pw::list_view::Selected(list);
    return index < 0 ? std::string() : pw::list_view::Text(list, index);
}

std::string PagewickTest::TextOf(HWND window)
{
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

}  // namespace pwtest
