// The main window's state: its panes and the flags that start-up reads once. One per process.
#pragma once

#include <windows.h>

#include <string>

#include "settings/win/messages.h"

namespace pw {

enum class ViewMode { View = 1, Edit = 2 };

struct Panes {
    HWND toolbar = nullptr;
    HWND roots = nullptr;        // 205
    HWND folders = nullptr;      // 200
    HWND files = nullptr;        // 201
    HWND editNoWrap = nullptr;   // 202
    HWND editWrap = nullptr;     // 203
    HWND multibar = nullptr;     // 204
    HWND messageLine = nullptr;  // 206
    HWND caption = nullptr;      // 207
    HWND browser = nullptr;      // 208
    HWND sheet = nullptr;        // 210
    HWND statusBar = nullptr;    // 301
    HWND tooltip = nullptr;
};

struct MainWindow {
    HINSTANCE instance = nullptr;
    HWND hwnd = nullptr;
    Panes panes;
    HACCEL accelerators = nullptr;
    HCURSOR dropOkCursor = nullptr;
    HCURSOR dropNoCursor = nullptr;
    HCURSOR sizeCursor = nullptr;
    HFONT captionFont = nullptr;

    bool useStatusBar = false;  // read once at start-up
    bool expertMode = false;
    bool showCharCount = true;
    bool showWordCount = true;
    int statusHeight = 0;

    ViewMode mode = ViewMode::Edit;
    bool wordWrap = true;
    bool editorHasFocus = false;

    // Layout
    int listWidth = -1;  // read from "ListWidth" on the first layout
    int splitterX = 0;
    int lastDocumentWidth = -1;
    bool layoutRunning = false;
    bool layoutSuspended = false;

    // Placement
    bool placementRestored = false;
    std::string lastSavedPlacement;

    // Timers
    int autosaveMinutes = 0;
    bool autosaveTimerRunning = false;
    bool settingsWriteReported = false;

    StatusBoard status;
};

MainWindow& Main();

// The note edit pane that matches the word-wrap setting.
HWND ActiveEditor();

}  // namespace pw
