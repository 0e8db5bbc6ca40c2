#include "shell/win/command_handlers.h"

#include <windows.h>

#include "dialogs/win/configure.h"
#include "launch/win/external.h"
#include "library/listing.h"
#include "library/win/file_operations.h"
#include "library/win/file_pane.h"
#include "library/win/folder_pane.h"
#include "library/win/history.h"
#include "library/win/library_state.h"
#include "library/win/library_view.h"
#include "library/win/new_note.h"
#include "library/win/perpetual_notes.h"
#include "library/win/root_list.h"
#include "multibar/win/date_paste.h"
#include "multibar/win/multibar_commands.h"
#include "multibar/win/search.h"
#include "notes/win/counters.h"
#include "notes/win/document.h"
#include "notes/win/editing.h"
#include "notes/win/markup_command.h"
#include "render/win/web_view.h"
#include "settings/win/messages.h"
#include "settings/win/settings_win.h"
#include "sheet/win/sheet_commands.h"
#include "sheet/win/sheet_document.h"
#include "shell/ids.h"
#include "shell/win/layout_win.h"
#include "shell/win/main_window.h"
#include "shell/win/mode.h"
#include "shell/win/viewer_menu.h"

namespace pw {
namespace {

bool WebViewerCurrent()
{
    return CurrentViewer() == kWebViewer;
}
bool TextViewerCurrent()
{
    return CurrentViewer() == kTextViewer;
}
bool BackInsteadOfNew()
{
    return Settings().GetBoolDefaultFalse("BackInsteadOfNew");
}

}  // namespace

void OnEnter(int)
{
    const Panes& p = Main().panes;
    HWND focus = GetFocus();
    if (focus == p.multibar)
        RunMultibarLine();
    else if (RootListHasFocus())
        SelectRootFromList(true);
    else if (focus == p.sheet)
        EditCurrentCell();
    else if (focus == p.folders)
        OnFolderActivated();
    else
        EndCellEditing(true);
}

void OnEscape(int)
{
    EndCellEditing(false);
}
void OnCaptionClick(int)
{
    ReturnToRootFolder();
}

void OnNewOrBack(int)
{
    if (WebViewerCurrent())
        BrowserBack();
    else if (BackInsteadOfNew())
        GoBack();
    else
        NewNote();
}

void OnSaveOrForward(int)
{
    if (WebViewerCurrent())
        BrowserForward();
    else
        OnSaveKey(0);
}

void OnSaveKey(int)
{
    // Save leaves the place without a push: only a modified note is written. The word counter then
    // describes the file as saved.
    if (CurrentViewer() == kSpreadsheetViewer) {
        SaveSheet();
        return;
    }
    if (!TextViewerCurrent()) return;
    SaveIfModified();
    RefreshWordCounter(true);
}

void OnNewNote(int)
{
    NewNote();
}

void OnNewNoteKey(int)
{
    EnsureEditMode();
    NewNote();
}

void OnNewSheet(int)
{
    NewSpreadsheet("");
}

void OnBackKey(int)
{
    if (BackInsteadOfNew())
        GoBack();
    else if (WebViewerCurrent())
        BrowserBack();
}

void OnCtrlL(int)
{
    if (CurrentViewer() == kSpreadsheetViewer)
        SheetCommand(618);
    else if (TextViewerCurrent())
        ApplyMarkup(CMD_MARKUP_LINE);
}

void OnHeaderRule(int)
{
    if (TextViewerCurrent()) ApplyMarkup(CMD_MARKUP_HEADER);
}

void OnSubheaderRule(int)
{
    if (TextViewerCurrent()) ApplyMarkup(CMD_MARKUP_SUBHEADER);
}

void OnInsertRow(int)
{
    if (Main().mode == ViewMode::View) {
        StatusMessage("Cannot edit in View mode");
        return;
    }
    InsertSheetRow();
}

void OnMultibarSecond(int)
{
    RunMultibarSecondWay();
}

void OnF5(int)
{
    HWND focus = GetFocus();
    if (focus != Main().panes.multibar && WebViewerCurrent())
        BrowserRefresh();
    else
        PasteDate(focus);
}

void OnFindNext(int)
{
    FindNext();
}
void OnLaunchAssociated(int)
{
    LaunchAssociated();
}
void OnConfigure(int)
{
    ShowConfigure();
}

void OnSlot(int id)
{
    SaveIfModified();
    OpenSlot(id);
}

void OnPerpetual(int id)
{
    SaveIfModified();
    OpenPerpetualNote(id);
}
void OnWordWrap(int)
{
    if (ToggleWordWrap()) LayoutMainWindow();
}
void OnFormatNewLines(int)
{
    ToggleFormatNewLines();
}
void OnMailToSelected(int)
{
    MailToSelected();
}
void OnMailSelectedAsBody(int)
{
    MailSelectedAsBody();
}
void OnWordCount(int)
{
    ShowWordCount();
}
void OnCharCount(int)
{
    ShowCharacterCount();
}
void OnKeywords(int id)
{
    ShowKeywords(id);
}

void OnPrint(int)
{
    if (WebViewerCurrent())
        PrintShownPage();
    else if (TextViewerCurrent())
        PrintFileWithSystem();
}

void OnSheetTitleRow(int)
{
    ToggleSheetTitleRow();
    ShowViewerMenuItems(kSpreadsheetViewer);
}
void OnSheetSortable(int)
{
    ToggleSheetSortable();
    ShowViewerMenuItems(kSpreadsheetViewer);
}
void OnViewOwnFiles(int)
{
    ToggleOwnFiles();
}
void OnFileOperation(int id)
{
    FileOperation(id);
}
void OnOpenAsText(int)
{
    OpenSelectedFile(OpenMode::OpenAsText, true, true);
}
void OnRefresh(int)
{
    RefreshFiles();
}
void OnSortByDate(int)
{
    SortFiles(kSortByDate);
}
void OnSortByName(int)
{
    SortFiles(kSortByName);
}
void OnSendToExternal(int)
{
    SendToExternalProgram();
}
void OnFilter(int id)
{
    FilterFiles(id);
}
void OnSheetCommand(int id)
{
    SheetCommand(id);
}
void OnRenameDone(int id)
{
    FinishRename(id);
}

}  // namespace pw
