// Commands whose effect depends on the current viewer, the mode or the focus: each picks its owner's function.
#pragma once

namespace pw {

void OnEnter(int id);
void OnEscape(int id);
void OnCaptionClick(int id);
void OnNewOrBack(int id);
void OnSaveOrForward(int id);
void OnSaveKey(int id);
void OnNewNote(int id);
void OnNewNoteKey(int id);
void OnNewSheet(int id);
void OnBackKey(int id);
void OnCtrlL(int id);
void OnHeaderRule(int id);
void OnSubheaderRule(int id);
void OnInsertRow(int id);
void OnMultibarSecond(int id);
void OnF5(int id);
void OnFindNext(int id);
void OnLaunchAssociated(int id);
void OnConfigure(int id);
void OnSlot(int id);
void OnPerpetual(int id);
void OnWordWrap(int id);
void OnFormatNewLines(int id);
void OnMailToSelected(int id);
void OnMailSelectedAsBody(int id);
void OnWordCount(int id);
void OnCharCount(int id);
void OnKeywords(int id);
void OnPrint(int id);
void OnSheetTitleRow(int id);
void OnSheetSortable(int id);
void OnViewOwnFiles(int id);
void OnFileOperation(int id);
void OnOpenAsText(int id);
void OnRefresh(int id);
void OnSortByDate(int id);
void OnSortByName(int id);
void OnSendToExternal(int id);
void OnLaunchEntry(int id);
void OnEntryProperties(int id);
void OnOpenFolder(int id);
void OnFilter(int id);
void OnSheetCommand(int id);
void OnRenameDone(int id);

}  // namespace pw
