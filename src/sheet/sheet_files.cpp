#include "sheet/sheet_files.h"

#include <cstdlib>

#include "settings/ini_file.h"
#include "settings/settings_store.h"
#include "settings/text.h"
#include "sheet/csv.h"

namespace pw {
namespace {

bool ReadFlag(const std::optional<std::string>& value, int fallback)
{
    if (!value || value->empty()) return fallback != 0;
    return std::atoi(value->c_str()) != 0;
}

}  // namespace

std::string BackupSlot(const std::string& base, int slot)
{
    return base + "." + std::to_string(slot);
}

void TakeBackup(BackupFiles& files, const std::string& base, int maxBackup)
{
    const std::string mark(kNewestBackupMark);
    for (int i = 0; i < maxBackup; ++i) {
        const std::string marked = BackupSlot(base, i) + mark;
        if (!files.Exists(marked)) continue;
        files.Remove(BackupSlot(base, i));
        files.Move(marked, BackupSlot(base, i));
        const int next = i == maxBackup - 1 ? 0 : i + 1;
        if (files.CopyCurrent(BackupSlot(base, next) + mark)) files.Remove(BackupSlot(base, next));
        return;
    }
    files.CopyCurrent(BackupSlot(base, 0) + mark);
}

SheetSettings ReadSheetSettings(const SettingsStore& settings)
{
    SheetSettings out;
    const std::string delimiter = settings.GetString("SpreadSheetDelimiter", ",");
    out.delimiter = delimiter.empty() || !UsableDelimiter(delimiter.front()) ? ',' : delimiter.front();
    out.checkForMark = settings.GetBoolDefaultTrue("CheckForBOM");
    out.neverSort = settings.GetBoolDefaultFalse("SSNeverSort");
    out.makeBackups = settings.GetBoolDefaultTrue("SSMakeChangeBackups");
    out.maxBackup = settings.GetInt("SSMaxBackup", 5);
    out.saveWidths = settings.GetBoolDefaultTrue("SSSaveWidths");
    return out;
}

SheetLayout OpenLayout(const SheetSettings& settings, std::optional<std::string_view> infoFile, bool newSheet)
{
    SheetLayout layout;
    if (newSheet) {
        layout.delimiter = ',';
        layout.firstRowIsTitle = false;
        layout.columnsNotSortable = settings.neverSort;
        return layout;
    }
    layout.delimiter = settings.delimiter;
    const IniText info(infoFile.value_or(std::string_view()));
    layout.firstRowIsTitle = ReadFlag(info.Value("General", kFirstRowAsTitleKey), 0);
    layout.columnsNotSortable = settings.neverSort || ReadFlag(info.Value("General", kSortHeaderKey), 1);
    return layout;
}

std::string WidthsText(const std::vector<int>& widths)
{
    std::string out;
    for (std::size_t i = 0; i < widths.size(); ++i) {
        if (i > 0) out.push_back(',');
        out += std::to_string(widths[i]);
    }
    return out;
}

std::vector<int> ParseWidths(std::string_view text)
{
    std::vector<int> widths;
    for (const std::string& item : SplitCommaList(text.substr(0, kColumnWidthsLimit))) {
        widths.push_back(std::atoi(item.c_str()));
    }
    return widths;
}

}  // namespace pw
