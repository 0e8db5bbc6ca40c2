// A main window over a root "Notes" of the test's own, with a status bar, and the moves a person makes in
// the note editor.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <utility>
#include <vector>

#include "gui_harness.h"
#include "notes/win/document.h"
#include "settings/win/settings_win.h"
#include "shell/win/main_window.h"

namespace pwtest {

class EditorTest : public PagewickTest {
protected:
    using Files = std::vector<std::pair<std::string, std::string>>;

    // The files are written before the start, so that the file pane lists them.
    void StartWithNotes(const Files& files, const std::string& general = "")
    {
        notes_ = InFolder("Notes");
        MakeFolder(notes_);
        for (const auto& [name, bytes] : files) WriteFile(Note(name), bytes);
        WriteIni(
            "[General]\r\nUseStatBar=1\r\nRootAutoAddCDrive=0\r\nRootAutoAddMyDocuments=0\r\n"
            "RootAutoAddAmbervale=0\r\n" +
            general + "\r\n[BasicRoots]\r\n" + notes_ + "=Notes;.txt\r\n");
        ASSERT_TRUE(Start());
    }

    // A setting as the Configure dialog leaves it: written, and the store loaded again.
    static void Set(const char* key, const char* value)
    {
        pw::Settings().SetGeneral(key, value);
        pw::Settings().Reload();
    }

    std::string Note(const std::string& name) const { return notes_ + "\\" + name; }
    static HWND Editor() { return pw::ActiveEditor(); }
    static std::string EditorText() { return TextOf(Editor()); }

    void Select(std::size_t start, std::size_t end)
    {
        SendMessageA(Editor(), EM_SETSEL, start, end);
        Pump();
    }

    // Types at the caret, as a person would: one undoable step per call, and the change notice after it.
    void Type(const std::string& text)
    {
        SendMessageA(Editor(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
        Pump();
    }

    void TypeAtEnd(const std::string& text)
    {
        const int end = GetWindowTextLengthA(Editor());
        Select(end, end);
        Type(text);
    }

    // Ctrl+Z as the editor receives it.
    void PressCtrlZ()
    {
        SendMessageA(Editor(), WM_CHAR, 0x1A, 0);
        Pump();
    }

    // A key released in the editor: the status bar's counters follow.
    void ReleaseKey()
    {
        SendMessageA(Editor(), WM_KEYUP, VK_RIGHT, 0xC0000001);
        Pump();
    }

    static std::string StatusField(int field)
    {
        char text[128] = {};
        SendMessageA(pw::Main().panes.statusBar, SB_GETTEXTA, field, reinterpret_cast<LPARAM>(text));
        return text;
    }

    std::string notes_;
};

}  // namespace pwtest
