// What one opening of the Configure dialog holds, and the table of its pages.
#pragma once

#include <windows.h>

#include <span>

#include "settings/settings_store.h"

namespace pw {

struct ConfigureState {
    explicit ConfigureState(SettingsStore& store) : pending(store) {}
    PendingSettings pending;
    HWND frame = nullptr;
    HWND page = nullptr;  // the current page, a child of the frame; null while none is current
    int current = -1;     // its position in the page table
};

// One page: its list text, template and what it does on opening, on closing (writing its fields into the
// pending layer) and for its controls' commands and notifications. Absent handlers do nothing.
struct ConfigurePage {
    const char* listText;
    int templateId;
    void (*open)(HWND page, ConfigureState& state);
    void (*close)(HWND page, ConfigureState& state);
    void (*command)(HWND page, ConfigureState& state, int id, int code);
    void (*notify)(HWND page, ConfigureState& state, const NMHDR& header);
};

std::span<const ConfigurePage> ConfigurePages();

// The plain fields of the page that is current (the Roots page has some).
void OpenRootFields(HWND page, ConfigureState& state);
void CloseRootFields(HWND page, ConfigureState& state);

// The pages that are more than their fields.
void OpenRootsPage(HWND page, ConfigureState& state);
void CloseRootsPage(HWND page, ConfigureState& state);
void RootsPageCommand(HWND page, ConfigureState& state, int id, int code);
void RootsPageNotify(HWND page, ConfigureState& state, const NMHDR& header);

}  // namespace pw
