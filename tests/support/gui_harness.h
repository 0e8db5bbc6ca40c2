// Starts the real main window in-process with a program folder of the test's own, and drives it.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "render/win/page_engine.h"

namespace pwtest {

struct Box {
    std::string text;
    std::string caption;
    UINT type;
};

class PagewickTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The program folder ("...\" with a trailing backslash) and paths inside it.
    const std::string& Folder() const { return folder_; }
    std::string InFolder(const std::string& name) const { return folder_ + name; }
    std::string IniPath() const { return folder_ + "pagewick.ini"; }

    void WriteFile(const std::string& path, const std::string& bytes);
    std::string ReadFile(const std::string& path);
    bool Exists(const std::string& path);
    void MakeFolder(const std::string& path);
    void WriteIni(const std::string& text) { WriteFile(IniPath(), text); }

    HWND Start(const std::string& commandLine = "", int show = SW_SHOWNORMAL);
    // Drops the main window and with it every state of the window and its areas (TearDown does it too), so
    // that the next Start begins afresh; tests never reset state themselves.
    void Stop();
    // Handles every pending message the way the message loop would.
    void Pump();
    void Command(int id);
    // Selects the file in the file pane and clicks it, as the user does.
    void ClickFile(const std::string& name);
    // Types at the end of the open note as a person would, and the program hears of the change.
    void TypeAtEndOfNote(const std::string& text);
    // Selects the folder in the folder pane as a click does (its files are listed).
    void SelectFolder(const std::string& name);
    // The text of a list view's selected item ("" when none).
    static std::string SelectedIn(HWND list);
    // The whole text of a window or control.
    static std::string TextOf(HWND window);

    // The page engine check's answer at the next Start: pages show as on Windows unless a test says otherwise.
    pw::PageEngine pageEngine = pw::PageEngine::Present;
    std::vector<Box> boxes;  // every message box shown, answered with boxAnswer
    int boxAnswer = IDOK;
    HWND hwnd = nullptr;

private:
    std::string folder_;
};

}  // namespace pwtest
