// What one opening of the Configure dialog holds, and the table of its pages.
#pragma once

#include <windows.h>

#include <span>
#include <string>

#include "settings/settings_store.h"

namespace pw {

struct ConfigureState {
    explicit ConfigureState(SettingsStore& store) : pending(store) {}
    PendingSettings pending;
    HWND frame = nullptr;
    HWND page = nullptr;  // the current page, a child of the frame; null while none is current
    int current = -1;     // its position in the page table
    // The note picker: which Perpetual Notes field it fills, and the path it picked (empty on Cancel).
    int pickField = 0;
    std::string pickedPath;
    std::string pickRoot;    // the chosen root's stored path
    std::string pickFolder;  // the folder listed, variables expanded
};

// The position of the Perpetual Notes page and of the note picker, which the list does not show.
inline constexpr int kPerpetualPagePosition = 4;
inline constexpr int kNotePickerPosition = 8;

// One page: its list text (nullptr for a page the list does not show), template and what it does on opening, on closing
// (writing its fields into the pending layer) and for its controls' commands and notifications. Absent handlers do
// nothing.
struct ConfigurePage {
    const char* listText;
    int templateId;
    void (*open)(HWND page, ConfigureState& state);
    void (*close)(HWND page, ConfigureState& state);
    void (*command)(HWND page, ConfigureState& state, int id, int code);
    void (*notify)(HWND page, ConfigureState& state, const NMHDR& header);
};

std::span<const ConfigurePage> ConfigurePages();
// Closes the current page (writing its fields) and opens the page at that position. A page may call it from
// its own command handler and must then return at once: the handler's window is gone.
void OpenConfigurePage(ConfigureState& state, int position);

// The plain fields of the page that is current (the Roots page has some).
void OpenRootFields(HWND page, ConfigureState& state);
void CloseRootFields(HWND page, ConfigureState& state);

// The pages that are more than their fields.
void OpenRootsPage(HWND page, ConfigureState& state);
void CloseRootsPage(HWND page, ConfigureState& state);
void RootsPageCommand(HWND page, ConfigureState& state, int id, int code);
void RootsPageNotify(HWND page, ConfigureState& state, const NMHDR& header);
void OpenPerpetualPage(HWND page, ConfigureState& state);
void ClosePerpetualPage(HWND page, ConfigureState& state);
void PerpetualPageCommand(HWND page, ConfigureState& state, int id, int code);
void OpenNotePicker(HWND page, ConfigureState& state);
void NotePickerCommand(HWND page, ConfigureState& state, int id, int code);
void NotePickerNotify(HWND page, ConfigureState& state, const NMHDR& header);

}  // namespace pw
