#include "shell/win/commands.h"

#include "library/win/library_state.h"
#include "notes/win/document.h"
#include "shell/ids.h"
#include "shell/win/command_handlers.h"
#include "shell/win/control_commands.h"
#include "shell/win/main_window.h"
#include "shell/win/shell_commands.h"

namespace pw {
namespace {

using Handler = void (*)(int id);

struct CommandRoute {
    int first;
    int last;
    Handler handler;
};

// Every command id and the function of its owner; the first range that holds the id wins.
constexpr CommandRoute kCommands[] = {
    {CMD_ENTER, CMD_ENTER, OnEnter},
    {CMD_ESCAPE, CMD_ESCAPE, OnEscape},
    {IDW_CAPTION, IDW_CAPTION, OnCaptionClick},
    {CMD_TB_NEW_BACK, CMD_TB_NEW_BACK, OnNewOrBack},
    {CMD_TB_SAVE_FORWARD, CMD_TB_SAVE_FORWARD, OnSaveOrForward},
    {CMD_MENU_SAVE, CMD_MENU_SAVE, OnSaveOrForward},
    {CMD_TB_MODE, CMD_TB_MODE, OnToggleMode},
    {CMD_TOGGLE_MODE, CMD_TOGGLE_MODE, OnToggleMode},
    {CMD_TOGGLE_MODE_KEY, CMD_TOGGLE_MODE_KEY, OnToggleMode},
    {CMD_SAVE_KEY, CMD_SAVE_KEY, OnSaveKey},
    {CMD_NEW_NOTE, CMD_NEW_NOTE, OnNewNote},
    {CMD_NEW_NOTE_KEY, CMD_NEW_NOTE_KEY, OnNewNoteKey},
    {CMD_NEW_SHEET, CMD_NEW_SHEET, OnNewSheet},
    {CMD_NEW_SHEET_KEY, CMD_NEW_SHEET_KEY, OnNewSheet},
    {CMD_FOCUS_MULTIBAR, CMD_FOCUS_MULTIBAR, OnFocusMultibar},
    {CMD_FOCUS_MULTIBAR_F6, CMD_FOCUS_MULTIBAR_F6, OnFocusMultibar},
    {CMD_SELECT_ALL, CMD_SELECT_ALL, OnSelectAll},
    {CMD_FOCUS_FILES, CMD_FOCUS_FILES, OnFocusFiles},
    {CMD_FOCUS_FOLDERS, CMD_FOCUS_FOLDERS, OnFocusFolders},
    {CMD_FOCUS_ROOTS, CMD_FOCUS_ROOTS, OnFocusRoots},
    {CMD_FOCUS_DOCUMENT, CMD_FOCUS_DOCUMENT, OnFocusDocument},
    {CMD_BACK_KEY, CMD_BACK_KEY, OnBackKey},
    {CMD_CTRL_L, CMD_CTRL_L, OnCtrlL},
    {CMD_HEADER_RULE, CMD_HEADER_RULE, OnHeaderRule},
    {CMD_SUBHEADER_RULE, CMD_SUBHEADER_RULE, OnSubheaderRule},
    {CMD_INSERT_ROW, CMD_INSERT_ROW, OnInsertRow},
    {CMD_MULTIBAR_SECOND, CMD_MULTIBAR_SECOND, OnMultibarSecond},
    {CMD_F5, CMD_F5, OnF5},
    {CMD_FIND_NEXT, CMD_FIND_NEXT, OnFindNext},
    {CMD_LAUNCH_ASSOCIATED, CMD_LAUNCH_ASSOCIATED, OnLaunchAssociated},
    {CMD_EXIT, CMD_EXIT, OnExit},
    {CMD_CONFIGURE, CMD_CONFIGURE, OnConfigure},
    {CMD_HELP, CMD_HELP, OnHelp},
    {CMD_ABOUT, CMD_ABOUT, OnAbout},
    {CMD_NEW_WINDOW, CMD_NEW_WINDOW, OnNewWindow},
    {CMD_ALWAYS_ON_TOP, CMD_ALWAYS_ON_TOP, OnAlwaysOnTop},
    {CMD_SLOT_FIRST, CMD_SLOT_FIRST + 9, OnSlot},
    {CMD_PERPETUAL1, CMD_PERPETUAL3, OnPerpetual},
    {CMD_HELP_SLOT, CMD_HELP_SLOT, OnHelp},
    {CMD_WORDWRAP, CMD_WORDWRAP, OnWordWrap},
    {CMD_FORMAT_NEWLINES, CMD_FORMAT_NEWLINES, OnFormatNewLines},
    {CMD_MAIL_TO_SELECTED, CMD_MAIL_TO_SELECTED, OnMailToSelected},
    {CMD_MAIL_SELECTED_BODY, CMD_MAIL_SELECTED_BODY, OnMailSelectedAsBody},
    {CMD_WORD_COUNT, CMD_WORD_COUNT, OnWordCount},
    {CMD_CHAR_COUNT, CMD_CHAR_COUNT, OnCharCount},
    {CMD_KEYWORDS, CMD_KEYWORDS, OnKeywords},
    {CMD_SHEET_KEYWORDS, CMD_SHEET_KEYWORDS, OnKeywords},
    {CMD_FILE_KEYWORDS, CMD_FILE_KEYWORDS, OnKeywords},
    {CMD_PRINT, CMD_PRINT, OnPrint},
    {CMD_SHEET_TITLE_ROW, CMD_SHEET_TITLE_ROW, OnSheetTitleRow},
    {CMD_SHEET_SORTABLE, CMD_SHEET_SORTABLE, OnSheetSortable},
    {CMD_VIEW_PW_FILES, CMD_VIEW_PW_FILES, OnViewOwnFiles},
    {CMD_FOLDER_EXPLORER, CMD_FOLDER_EXPLORER, OnOpenFolder},
    {CMD_FILE_LAUNCH, CMD_FILE_LAUNCH, OnLaunchEntry},
    {CMD_FILE_PROPERTIES, CMD_FILE_PROPERTIES, OnEntryProperties},
    {CMD_FOLDER_NEW, CMD_FOLDER_PROPERTIES, OnFileOperation},
    {CMD_FILE_OPEN_AS_TEXT, CMD_FILE_OPEN_AS_TEXT, OnOpenAsText},
    {CMD_FILE_REFRESH, CMD_FILE_REFRESH, OnRefresh},
    {CMD_SORT_BY_DATE, CMD_SORT_BY_DATE, OnSortByDate},
    {CMD_SORT_BY_NAME, CMD_SORT_BY_NAME, OnSortByName},
    {CMD_FILE_SEND_EXTERNAL, CMD_FILE_SEND_EXTERNAL, OnSendToExternal},
    {CMD_FILE_PROPERTIES, CMD_FILE_PASTE_IMAGE, OnFileOperation},
    {CMD_FILTER_ALL, CMD_FILTER_WEB, OnFilter},
    {CMD_SHEET_FIRST, CMD_SHEET_LAST, OnSheetCommand},
    {CMD_RENAME_FILE_DONE, CMD_RENAME_FOLDER_DONE, OnRenameDone},
};

}  // namespace

void DispatchCommand(int id, int code, HWND source)
{
    if (source && source != Main().panes.toolbar && RouteControlCommand(id, code, source)) return;
    for (const CommandRoute& route : kCommands) {
        if (id >= route.first && id <= route.last) {
            route.handler(id);
            return;
        }
    }
}

void PrepareMenu(HMENU menu)
{
    // "Launch Associated", "Mail to selected" and "Mail selected as body" need selected note text.
    bool selection = false;
    if (CurrentViewer() == kTextViewer) {
        DWORD start = 0;
        DWORD end = 0;
        SendMessageA(ActiveEditor(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        selection = IsWindowEnabled(ActiveEditor()) && end > start;
    }
    const UINT state = MF_BYCOMMAND | (selection ? MF_ENABLED : MF_GRAYED);
    EnableMenuItem(menu, CMD_LAUNCH_ASSOCIATED, state);
    if (CurrentViewer() == kTextViewer) {
        EnableMenuItem(menu, CMD_MAIL_TO_SELECTED, state);
        EnableMenuItem(menu, CMD_MAIL_SELECTED_BODY, state);
    }
}

}  // namespace pw
