// Typed calls on the report-style list views of the folder and file panes.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

namespace pw::list_view {

int Count(HWND list);
int Insert(HWND list, int index, const std::string& text, int image);
std::string Text(HWND list, int index);
void SetText(HWND list, int index, const std::string& text);
int Selected(HWND list);  // -1 when none
void Select(HWND list, int index);
void ClearSelection(HWND list);
void Clear(HWND list);
// First item whose text equals the name, case ignored; -1 when none.
int Find(HWND list, const std::string& name);
void Remove(HWND list, int index);

// Suspends drawing while a pane is refilled.
class BatchUpdate {
public:
    explicit BatchUpdate(HWND list);
    BatchUpdate(const BatchUpdate&) = delete;
    BatchUpdate& operator=(const BatchUpdate&) = delete;
    ~BatchUpdate();

private:
    HWND list_;
};

}  // namespace pw::list_view
