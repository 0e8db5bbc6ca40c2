#include "notes/win/counters.h"

#include <windows.h>
#include <commctrl.h>

#include <optional>
#include <string>

#include "notes/word_count.h"
#include "notes/win/document.h"
#include "notes/win/document_state.h"
#include "notes/win/editor_edit.h"
#include "notes/win/notes_state.h"
#include "settings/text.h"
#include "settings/win/messages.h"
#include "settings/win/safe_file.h"

namespace pw {
namespace {

constexpr int kCharField = 1;
constexpr int kWordField = 2;

void SetField(int field, const std::string& text)
{
    if (HWND bar = NotesArea().panes.statusBar)
        SendMessageA(bar, SB_SETTEXTA, field, reinterpret_cast<LPARAM>(text.c_str()));
}

DWORD Now()
{
    const NotesState& notes = NotesArea();
    return notes.tickCount ? notes.tickCount() : GetTickCount();
}

bool NoteOpen()
{
    HWND editor = ActiveEditor();
    return editor && IsWindowEnabled(editor);
}

// The text of the note as saved: the file on disk, or the editor's text for a note that has no file yet.
std::string SavedText()
{
    if (!Doc().path.empty()) {
        if (std::optional<std::string> bytes = ReadWholeFile(Doc().path)) return *bytes;
    }
    return EditorText();
}

std::string SelectedText()
{
    const TextSpan selection = EditorSelection(ActiveEditor());
    if (selection.end <= selection.start) return {};
    const std::string text = EditorText();
    if (selection.end > text.size()) return {};
    return text.substr(selection.start, selection.end - selection.start);
}

void ShowCount(std::size_t count, const char* title)
{
    ShowBox(NotesArea().panes.mainWindow, ThousandsText(count), title, MB_OK | MB_ICONINFORMATION);
}

}  // namespace

void RefreshCharCounter()
{
    if (!NotesArea().counters.showCharCount || !NoteOpen()) return;
    SetField(kCharField, "Ch " + std::to_string(GetWindowTextLengthA(ActiveEditor())));
}

void RefreshWordCounter(bool force)
{
    CounterState& counters = NotesArea().counters;
    if (!counters.showWordCount || !NoteOpen()) return;
    if (NoteModified()) {
        SetField(kWordField, "");
        return;
    }
    const DWORD now = Now();
    if (!force && counters.wordsCounted && now - counters.wordsCountedAt < kWordCountInterval) return;
    counters.wordsCounted = true;
    counters.wordsCountedAt = now;
    if (Doc().path.empty()) {
        SetField(kWordField, "");
        return;
    }
    SetField(kWordField, "Wd " + std::to_string(CountWords(SavedText())));
}

void RefreshCounters()
{
    RefreshCharCounter();
    RefreshWordCounter(false);
}

void ShowWordCount()
{
    if (!NoteOpen()) return;
    const std::string selected = SelectedText();
    if (!selected.empty()) {
        ShowCount(CountWords(selected), "Selected word count:");
        return;
    }
    ShowCount(CountWords(SavedText()), "Word count:");
}

void ShowCharacterCount()
{
    if (!NoteOpen()) return;
    const TextSpan selection = EditorSelection(ActiveEditor());
    if (selection.end > selection.start) {
        ShowCount(selection.end - selection.start, "Selected text character count:");
        return;
    }
    const std::size_t length = static_cast<std::size_t>(GetWindowTextLengthA(ActiveEditor()));
    if (length > 0) ShowCount(length, "Character count:");
}

}  // namespace pw
