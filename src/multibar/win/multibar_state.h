// The Multibar area's state: the search term and mode Find Next continues, where the document, folder and
// keyword searches stand, and the Multibar's own window procedure. The main window owns one MultibarState and
// attaches it while it lives; the area reaches the window above only through MultibarHost.
#pragma once

#include <windows.h>

#include <cstddef>
#include <functional>
#include <string>

#include "multibar/multibar_line.h"
#include "multibar/search_text.h"
#include "shell/view_mode.h"

namespace pw {

// What the Multibar asks of the main window above it; the shell implements it.
class MultibarHost {
public:
    virtual ViewMode Mode() = 0;
    // A folder search opens files for editing: View mode is left, the shown file shown again.
    virtual void SwitchToEditMode() = 0;

protected:
    ~MultibarHost() = default;
};

struct DocumentSearchState {
    std::string term;      // the remembered term
    std::string file;      // the note the position belongs to
    std::size_t next = 0;  // where the next search starts in the note's text
};

struct FolderSearchState {
    std::string folder;
    std::size_t next = 0;  // the next entry of the file list to look at
    bool ended = false;    // the walk reached the end of the list: Find Next says so until a new search
};

struct MultibarState {
    MultibarHost* host = nullptr;
    HWND multibar = nullptr;
    WNDPROC editProc = nullptr;  // the edit control's own procedure
    std::string term;            // the current search term, shared by all searches
    SearchMode mode = SearchMode::None;
    DocumentSearchState document;
    FolderSearchState folder;
    FolderSearchState keyword;
    UpperTable upper{};  // the system's upper-case conversion of every byte
    bool upperReady = false;
    std::function<void(HWND dialog)> keywordsDriver;  // tests drive the Keywords dialog through it
};

void AttachMultibarState(MultibarState* state);
MultibarState& MultibarArea();

// The system's upper-case conversion of each byte of the code page, made once.
const UpperTable& SystemUpperTable();

// The Multibar's text (at most 259 characters) and its replacement.
std::string MultibarText();
void SetMultibarText(const std::string& text);

}  // namespace pw
