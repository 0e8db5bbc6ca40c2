// Opening reads the whole file, parses it, then fills the table view as a virtual list (the view asks for
// the cells it paints). Pending messages are handled between the parser's steps and once the view is
// filled: one of them may quit the program or close the sheet, which ends the open with nothing shown. Saving takes the
// backup first, then writes the whole text to a temporary file beside the sheet, flushes it and swaps it into place; a
// failed backup never stops the save.
#include "sheet/win/sheet_document.h"

#include <string>
#include <utility>

#include "settings/settings_store.h"
#include "settings/text.h"
#include "settings/win/message_pump.h"
#include "settings/win/messages.h"
#include "settings/win/safe_file.h"
#include "settings/win/settings_win.h"
#include "sheet/csv.h"
#include "sheet/sheet_files.h"
#include "sheet/win/cell_editor.h"
#include "sheet/win/sheet_state.h"
#include "sheet/win/sheet_view.h"

namespace pw {
namespace {

constexpr char kModifiedMark = '*';

class DiskBackups : public BackupFiles {
public:
    explicit DiskBackups(std::string current) : current_(std::move(current)) {}
    bool Exists(const std::string& path) override { return PathExists(path); }
    bool Remove(const std::string& path) override { return DeleteFileA(path.c_str()) != FALSE; }
    bool Move(const std::string& from, const std::string& to) override
    {
        return MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING) != FALSE;
    }
    bool CopyCurrent(const std::string& to) override { return CopyFileA(current_.c_str(), to.c_str(), FALSE) != FALSE; }

private:
    std::string current_;
};

std::string FileNameOf(const std::string& path)
{
    const std::size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string JoinPath(const std::string& folder, const std::string& name)
{
    if (folder.empty()) return name;
    return folder.back() == '\\' ? folder + name : folder + "\\" + name;
}

void SetTitle(const std::string& title)
{
    SetWindowTextA(SheetArea().mainWindow, title.c_str());
}

void StoreWidths(SheetState& state, const std::string& infoFile)
{
    std::vector<int> widths;
    for (std::size_t c = 1; c <= state.sheet.ColumnCount(); ++c) widths.push_back(ColumnWidth(c));
    std::string text = WidthsText(widths);
    // The value is read back with at most 259 characters: a longer list is cut at a whole width.
    if (text.size() > kColumnWidthsLimit) text.resize(text.rfind(',', kColumnWidthsLimit));
    Settings().Set(infoFile, "General", kColumnWidthsKey, text);
}

// Messages handled while the file is read may close the sheet or quit the program; either ends this open.
bool LoadGoesOn()
{
    return PumpPendingMessages(-1) && !SheetArea().openAbandoned;
}

// Reads and parses the file into the model; Abandoned when a message handled meanwhile ended the open.
SheetLoad LoadModel(const std::string& path, const SheetLayout& layout, bool checkForMark)
{
    SheetState& state = SheetArea();
    const std::optional<std::string> bytes = path.empty() ? std::nullopt : ReadWholeFile(path);
    if (!bytes) return SheetLoad::Unreadable;
    std::optional<CsvTable> table =
        ParseCsv(*bytes, layout.delimiter, checkForMark, [](std::size_t, std::size_t) { return LoadGoesOn(); });
    if (!table) return SheetLoad::Abandoned;
    state.sheet.Clear();
    state.sheet.path = path;
    state.sheet.layout = layout;
    state.sheet.Load(std::move(*table));
    return SheetLoad::Shown;
}

SheetLoad ShowModel(const std::optional<std::string>& info, bool newSheet)
{
    SheetState& state = SheetArea();
    state.sortColumn = -1;
    state.descending = false;
    state.grouping.reset();
    BuildSheetView(info);
    state.sheet.isModified = false;
    state.sheet.isOpen = true;
    SetTitle(FileNameOf(state.sheet.path));
    ShowWindow(state.pane, SW_SHOW);
    // The filled view paints, and what was typed meanwhile is handled; a quit still takes it down unsaved.
    if (!LoadGoesOn()) {
        state.sheet.isModified = false;
        CloseSheet();
        return SheetLoad::Abandoned;
    }
    if (newSheet) {
        SetFocus(state.pane);
        MoveCursorTo(0, 1);
    }
    return SheetLoad::Shown;
}

}  // namespace

bool SheetOpen()
{
    return SheetArea().sheet.isOpen;
}

void SetSheetModified(bool modified)
{
    SheetState& state = SheetArea();
    if (state.sheet.isModified == modified) return;
    state.sheet.isModified = modified;
    char title[1024] = {};
    GetWindowTextA(state.mainWindow, title, sizeof(title));
    std::string text = title;
    if (modified) {
        text.push_back(kModifiedMark);
    } else if (!text.empty() && text.back() == kModifiedMark) {
        text.pop_back();
    }
    SetTitle(text);
}

void OpenNextSheetAsNew()
{
    SheetArea().nextOpenIsNew = true;
}

SheetLoad OpenSheet(bool newSheet)
{
    SheetState& state = SheetArea();
    if (state.opening) return SheetLoad::Abandoned;
    newSheet = newSheet || std::exchange(state.nextOpenIsNew, false);
    CloseSheet();
    state.opening = true;
    state.openAbandoned = false;
    const std::string path = state.host->SheetFilePath();
    const SheetSettings settings = ReadSheetSettings(Settings());
    std::optional<std::string> info;
    if (!newSheet) info = ReadWholeFile(state.host->InfoFileOf(path));
    const SheetLayout layout = OpenLayout(settings, info, newSheet);
    SheetLoad result = LoadModel(path, layout, settings.checkForMark);
    if (result == SheetLoad::Shown) result = ShowModel(info, newSheet);
    state.opening = false;
    return result;
}

bool SaveSheet()
{
    SheetState& state = SheetArea();
    Sheet& sheet = state.sheet;
    if (!sheet.isOpen || !sheet.isModified) return false;
    const SheetSettings settings = ReadSheetSettings(Settings());
    if (settings.saveWidths) StoreWidths(state, state.host->InfoFileOf(sheet.path));
    if (settings.makeBackups && PathExists(sheet.path)) {
        DiskBackups backups(sheet.path);
        TakeBackup(backups, JoinPath(state.host->InfoFolder(), FileNameOf(sheet.path)), settings.maxBackup);
    }
    const std::string text = CsvText(sheet.FileRows(), sheet.ColumnCount(), sheet.layout.delimiter, sheet.hadMark);
    DWORD error = 0;
    if (!ReplaceFileSafely(sheet.path, text, &error)) {
        // The edits stay in the table and the sheet stays modified: the next save tries again.
        StatusMessage("Error saving spreadsheet file: %s", ErrorText(error).c_str());
        return false;
    }
    StatusMessage("Saved spreadsheet file");
    SetSheetModified(false);
    return true;
}

void CloseSheet()
{
    SheetState& state = SheetArea();
    if (state.opening) state.openAbandoned = true;
    if (!state.sheet.isOpen) return;
    CancelCellEdit();
    state.grouping.reset();
    SaveSheet();
    state.sheet.isOpen = false;
    ShowWindow(state.pane, SW_HIDE);
    ClearSheetView();
    state.sheet.Clear();
}

void ReopenSheet()
{
    CloseSheet();
    OpenSheet(false);
}

}  // namespace pw
