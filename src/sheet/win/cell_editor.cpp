// The editor is dialog 181 made modeless: the main loop hands it Enter and Escape before the edit control
// sees them; the dialog's own OK and Cancel (an edit control in a dialog sends them for Enter, and Cancel
// comes with closing) end the edit the same way.
#include "sheet/win/cell_editor.h"

#include <algorithm>
#include <string>

#include <commctrl.h>

#include "settings/settings_store.h"
#include "settings/win/messages.h"
#include "settings/win/settings_win.h"
#include "sheet/dialog_ids.h"
#include "sheet/win/sheet_document.h"
#include "sheet/win/sheet_state.h"
#include "sheet/win/sheet_view.h"

namespace pw {
namespace {

// The box is a little larger than the cell, so the edit control's border falls outside the cell's text.
constexpr int kExtraHeight = 4;
constexpr int kExtraWidth = 3;
constexpr const char* kEditorTip = "Press Enter after entering text to assign to cell";

std::string EditText(HWND edit)
{
    const int length = GetWindowTextLengthA(edit);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    GetWindowTextA(edit, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(length));
    return text;
}

void AddTooltip(HWND owner, HWND edit)
{
    HWND tip = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr, nullptr, nullptr);
    if (!tip) return;
    TOOLINFOA info{};
    info.cbSize = TTTOOLINFOA_V1_SIZE;
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = owner;
    info.uId = reinterpret_cast<UINT_PTR>(edit);
    info.lpszText = const_cast<char*>(kEditorTip);
    SendMessageA(tip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info));
}

constexpr UINT_PTR kEditMenuSubclass = 1020;

// The standard requests of the menu's items; the item ids are the messages themselves.
void SendEditRequest(HWND edit, UINT request)
{
    if (request == EM_SETSEL)
        SendMessageA(edit, EM_SETSEL, 0, -1);
    else
        SendMessageA(edit, request, 0, 0);
}

LRESULT CALLBACK EditMenuProc(HWND hwnd, UINT message, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR)
{
    if (message != WM_CONTEXTMENU) return DefSubclassProc(hwnd, message, wp, lp);
    POINT at{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
    if (lp == -1) {
        RECT box{};
        GetWindowRect(hwnd, &box);
        at = {box.left, box.bottom};
    }
    HMENU menu = CellEditMenu();
    const UINT chosen = static_cast<UINT>(
        TrackPopupMenu(menu, TPM_RETURNCMD | TPM_LEFTALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, hwnd, nullptr));
    DestroyMenu(menu);
    if (chosen != 0) SendEditRequest(hwnd, chosen);
    return 0;
}

INT_PTR CALLBACK EditorProc(HWND, UINT message, WPARAM wp, LPARAM)
{
    if (message == WM_INITDIALOG) return FALSE;  // the focus is placed once the box is over its cell
    if (message == WM_COMMAND && (LOWORD(wp) == IDOK || LOWORD(wp) == IDCANCEL)) {
        EndCellEditing(LOWORD(wp) == IDOK);
        return TRUE;
    }
    return FALSE;
}

// The cell's text as the edit control can hold it: up to an embedded zero, at most kCellEditLimit.
std::string ShownText(std::string_view cell)
{
    const std::size_t end = std::min(cell.find('\0'), static_cast<std::size_t>(kCellEditLimit));
    return std::string(cell.substr(0, end));
}

bool OpenEditor(SheetState& state, const RECT& cell)
{
    HWND editor =
        CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_CELL_EDIT), state.mainWindow, EditorProc, 0);
    HWND edit = editor ? GetDlgItem(editor, IDC_CELL_EDIT) : nullptr;
    if (!edit) {
        if (editor) DestroyWindow(editor);
        return false;
    }
    const int width = cell.right - cell.left + kExtraWidth;
    const int height = cell.bottom - cell.top + kExtraHeight;
    SetWindowPos(editor, nullptr, cell.left, cell.top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    MoveWindow(edit, 0, 0, width, height, FALSE);
    SendMessageA(edit, WM_SETFONT, SendMessageA(state.pane, WM_GETFONT, 0, 0), FALSE);
    SendMessageA(edit, EM_LIMITTEXT, kCellEditLimit, 0);
    SetWindowSubclass(edit, EditMenuProc, kEditMenuSubclass, 0);
    state.editor = editor;
    state.editorEdit = edit;
    return true;
}

}  // namespace

HMENU CellEditMenu()
{
    HWND edit = CellEditBox();
    DWORD start = 0;
    DWORD end = 0;
    SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    const UINT selection = start != end ? 0 : MF_GRAYED;
    HMENU menu = CreatePopupMenu();
    AppendMenuA(menu, MF_STRING, WM_UNDO, "    Undo   ");
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING | selection, WM_CUT, "    Cut      ");
    AppendMenuA(menu, MF_STRING | selection, WM_COPY, "    Copy      ");
    AppendMenuA(menu, MF_STRING | (IsClipboardFormatAvailable(CF_TEXT) ? 0 : MF_GRAYED), WM_PASTE, "    Paste      ");
    AppendMenuA(menu, MF_STRING | (GetWindowTextLengthA(edit) > 0 ? 0 : MF_GRAYED), EM_SETSEL, "    Select All   ");
    return menu;
}

HWND CellEditBox()
{
    return SheetArea().editorEdit;
}

void EditCell(int line, int column)
{
    SheetState& state = SheetArea();
    if (!state.sheet.isOpen) return;
    if (state.host->InViewMode()) {
        StatusMessage("Cannot edit in View mode");
        return;
    }
    CancelCellEdit();
    const std::optional<std::size_t> row = DataRowOfLine(line);
    if (!row || column < 1 || column > static_cast<int>(state.sheet.ColumnCount())) return;
    MoveCursorTo(line, column);
    if (!OpenEditor(state, CellRect(line, column))) return;
    state.editorShown = ShownText(state.sheet.CellText(state.sheet.FirstDataRow() + *row, column - 1).value_or(""));
    SetWindowTextA(state.editorEdit, state.editorShown.c_str());
    const WPARAM end = state.editorShown.size();
    if (Settings().GetBoolDefaultTrue("SSEditCursorToEnd")) SendMessageA(state.editorEdit, EM_SETSEL, end, end);
    if (!Settings().GetBoolDefaultFalse("ExpertMode")) AddTooltip(state.editor, state.editorEdit);
    state.editLine = line;
    state.editColumn = column;
    ShowWindow(state.editor, SW_SHOWNA);
    SetFocus(state.editorEdit);
}

void EditCurrentCell()
{
    const SheetState& state = SheetArea();
    EditCell(state.cursorLine, state.cursorColumn);
}

void EndCellEditing(bool keep)
{
    SheetState& state = SheetArea();
    if (!state.editor) return;
    const std::optional<std::size_t> row = DataRowOfLine(state.editLine);
    std::string text = keep ? EditText(state.editorEdit) : std::string();
    // Enter on the text as it was shown is no edit: the file is not rewritten for it, and a cell longer
    // than the editor shows keeps all of its text.
    if (keep && row && text != state.editorShown) {
        state.sheet.SetCell(state.sheet.FirstDataRow() + *row, static_cast<std::size_t>(state.editColumn - 1),
                            std::move(text));
        SetSheetModified(true);
    }
    const int line = state.editLine;
    const int column = state.editColumn;
    CancelCellEdit();
    SetFocus(state.pane);
    if (keep) MoveCursorTo(line, column);
}

void CancelCellEdit()
{
    SheetState& state = SheetArea();
    if (!state.editor) return;
    HWND editor = state.editor;
    state.editor = nullptr;
    state.editorEdit = nullptr;
    state.editLine = -1;
    state.editColumn = -1;
    state.editorShown.clear();
    DestroyWindow(editor);
    InvalidateRect(state.pane, nullptr, FALSE);
}

bool CellEditorMessage(MSG& msg)
{
    const SheetState& state = SheetArea();
    if (!state.editorEdit || msg.hwnd != state.editorEdit || msg.message != WM_KEYDOWN) return false;
    if (msg.wParam == VK_RETURN) {
        EndCellEditing(true);
        return true;
    }
    if (msg.wParam == VK_ESCAPE) {
        EndCellEditing(false);
        return true;
    }
    return false;
}

}  // namespace pw
