#include "shell/win/mode.h"

#include <string>

#include "library/win/library_view.h"
#include "shell/ids.h"
#include "shell/win/toolbar.h"

namespace pw {
namespace {

constexpr char kToView[] = " Switch to &View mode";
constexpr char kToEdit[] = " Switch to &Edit mode";

std::string ModeItemText()
{
    char text[64] = {};
    GetMenuStringA(GetMenu(Main().hwnd), CMD_TOGGLE_MODE, text, sizeof(text), MF_BYCOMMAND);
    return text;
}

void SetModeItemText(const char* text)
{
    ModifyMenuA(GetMenu(Main().hwnd), CMD_TOGGLE_MODE, MF_BYCOMMAND | MF_STRING, CMD_TOGGLE_MODE, text);
}

}  // namespace

ViewMode CurrentMode()
{
    return Main().mode;
}

void ToggleMode(bool keepDocument)
{
    if (!keepDocument) CloseForModeChange();
    if (ModeItemText() == kToView) {
        Main().mode = ViewMode::View;
        SetModeItemText(kToEdit);
    } else {
        Main().mode = ViewMode::Edit;
        SetModeItemText(kToView);
    }
    SetModeButtons();
    if (!keepDocument) ShowSelectedFileAgain();
}

void EnsureEditMode()
{
    if (CurrentMode() != ViewMode::Edit) ToggleMode(false);
}

}  // namespace pw
