#include "shell/win/toolbar.h"

#include <string>

#include "library/win/perpetual_notes.h"
#include "settings/text.h"
#include "settings/win/handles.h"
#include "settings/win/settings_win.h"
#include "shell/ids.h"
#include "shell/layout.h"
#include "shell/win/main_window.h"

namespace pw {
namespace {

// Image indexes in the toolbar's image list (resources 183, 184, 186, 5, 187, 188, 227, 189, 190, 191, 242).
// The mode button shows the mode a click switches to: in View mode a pencil, in Edit mode an eye.
enum Image { kNew, kSave, kInViewMode, kInEditMode, kBack, kForward, kSpacer, kNote1, kNote2, kNote3, kSpare };

constexpr int kImageIds[] = {IDI_TB_NEW,    IDI_TB_SAVE,  IDI_TB_VIEW,  IDI_TB_EDIT,  IDI_TB_BACK, IDI_TB_FORWARD,
                             IDI_TB_SPACER, IDI_TB_NOTE1, IDI_TB_NOTE2, IDI_TB_NOTE3, IDI_TB_SPARE};

HWND Bar()
{
    return Main().panes.toolbar;
}

void SetImage(int id, int image)
{
    SendMessageA(Bar(), TB_CHANGEBITMAP, id, MAKELPARAM(image, 0));
}

void Enable(int id, bool on)
{
    SendMessageA(Bar(), TB_ENABLEBUTTON, id, MAKELPARAM(on ? TRUE : FALSE, 0));
}

void SetButtonWidth(int id, int width)
{
    TBBUTTONINFOA info{};
    info.cbSize = sizeof(info);
    info.dwMask = TBIF_SIZE;
    info.cx = static_cast<WORD>(width < 0 ? 0 : width);
    SendMessageA(Bar(), TB_SETBUTTONINFOA, id, reinterpret_cast<LPARAM>(&info));
}

HIMAGELIST BuildImages()
{
    HIMAGELIST list = ImageList_Create(24, 24, ILC_COLOR32 | ILC_MASK, 11, 0);
    for (int id : kImageIds) {
        IconHandle icon(
            static_cast<HICON>(LoadImageA(Main().instance, MAKEINTRESOURCEA(id), IMAGE_ICON, 24, 24, LR_DEFAULTCOLOR)));
        ImageList_AddIcon(list, icon.get());  // the list keeps a copy
    }
    return list;
}

TBBUTTON Button(int id, int image, bool enabled, BYTE style = BTNS_BUTTON)
{
    TBBUTTON b{};
    b.iBitmap = image;
    b.idCommand = id;
    b.fsState = enabled ? TBSTATE_ENABLED : 0;
    b.fsStyle = style;
    return b;
}

const char* PerpetualTooltip(int index)
{
    static const char* const kUnset[] = {"Perpetual note 1\nAssign note using Configure -> Perpetual Notes",
                                         "Perpetual note 2\nAssign note using Configure -> Perpetual Notes",
                                         "Perpetual note 3\nAssign note using Configure -> Perpetual Notes"};
    if (!PerpetualNoteAssigned(index + 1)) return kUnset[index];
    Main().tooltipText = PerpetualNoteFile(index + 1);
    return Main().tooltipText.c_str();
}

}  // namespace

HWND CreateToolbar(HWND main)
{
    HWND bar = CreateWindowExA(0, TOOLBARCLASSNAMEA, nullptr,
                               WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_NODIVIDER, 0, 0, 0, 0,
                               main, nullptr, Main().instance, nullptr);
    if (!bar) return nullptr;
    Main().panes.toolbar = bar;
    SendMessageA(bar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    Main().toolbarImages.reset(BuildImages());
    SendMessageA(bar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(Main().toolbarImages.get()));
    TBBUTTON buttons[] = {
        Button(CMD_TB_NEW_BACK, kNew, true),    Button(CMD_TB_SAVE_FORWARD, kSave, true),
        Button(CMD_TB_MODE, kInEditMode, true), Button(CMD_TB_SPACER_MULTIBAR, kSpacer, false),
        Button(CMD_PERPETUAL1, kNote1, false),  Button(CMD_PERPETUAL2, kNote2, false),
        Button(CMD_PERPETUAL3, kNote3, false),  Button(CMD_TB_SPACER_ROOTS, kSpacer, false),
    };
    SendMessageA(bar, TB_ADDBUTTONSA, sizeof(buttons) / sizeof(buttons[0]), reinterpret_cast<LPARAM>(buttons));
    SendMessageA(bar, TB_AUTOSIZE, 0, 0);
    return bar;
}

HWND CreateRootList(HWND toolbar)
{
    HWND list = CreateWindowExA(
        0, WC_COMBOBOXA, "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL, 0, 0,
        100, 200, toolbar, reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDW_ROOTS)), Main().instance, nullptr);
    if (list) SetParent(list, Main().hwnd);
    return list;
}

void SetFirstButtons(bool webPageShown)
{
    Main().webPageShown = webPageShown;
    const bool backInsteadOfNew = Settings().GetBoolDefaultFalse("BackInsteadOfNew");
    if (backInsteadOfNew) {
        SetImage(CMD_TB_NEW_BACK, kBack);
        SetImage(CMD_TB_SAVE_FORWARD, kSave);
        Enable(CMD_TB_SAVE_FORWARD, Main().mode != ViewMode::View);
        return;
    }
    SetImage(CMD_TB_NEW_BACK, webPageShown ? kBack : kNew);
    SetImage(CMD_TB_SAVE_FORWARD, webPageShown ? kForward : kSave);
    Enable(CMD_TB_SAVE_FORWARD, true);
}

void SetModeButtons()
{
    const bool view = Main().mode == ViewMode::View;
    SetImage(CMD_TB_MODE, view ? kInViewMode : kInEditMode);
    SetImage(CMD_TB_SAVE_FORWARD, kSave);
    Enable(CMD_TB_SAVE_FORWARD, !view);
}

void EnablePerpetualButton(int id, bool on)
{
    Enable(id, on);
}

void LayoutToolbarRow(int documentWidth, int listWidth)
{
    MainWindow& main = Main();
    if (documentWidth != main.lastDocumentWidth) {
        main.lastDocumentWidth = documentWidth;
        SendMessageA(Bar(), TB_AUTOSIZE, 0, 0);
        SetButtonWidth(CMD_TB_SPACER_MULTIBAR, documentWidth - 2 * kMultibarLeft);
        SetButtonWidth(CMD_TB_SPACER_ROOTS, listWidth);
    }
    // The two controls sit over their spacers; placed with the rest of the layout.
}

const char* ToolbarTooltip(UINT_PTR id)
{
    const bool expert = Main().expertMode;
    const bool view = Main().mode == ViewMode::View;
    switch (id) {
        case CMD_TB_NEW_BACK:
            if (expert) return nullptr;
            return Main().webPageShown || Settings().GetBoolDefaultFalse("BackInsteadOfNew") ? "Back" : "New";
        case CMD_TB_SAVE_FORWARD:
            if (expert) return nullptr;
            return Main().webPageShown ? "Forward" : "Save";
        case CMD_TB_MODE:
            if (expert) return nullptr;
            return view ? "Edit" : "View";
        case CMD_PERPETUAL1:
        case CMD_PERPETUAL2:
        case CMD_PERPETUAL3:
            return PerpetualTooltip(static_cast<int>(id - CMD_PERPETUAL1));
        default:
            return nullptr;
    }
}

}  // namespace pw
