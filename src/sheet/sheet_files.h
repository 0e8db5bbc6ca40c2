// What a sheet keeps beside its file: the rotating backups and the per-file settings.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sheet/sheet_model.h"

namespace pw {

class SettingsStore;

// The file operations the backup ring needs; the program runs them on disk, the tests in memory.
class BackupFiles {
public:
    virtual ~BackupFiles() = default;
    virtual bool Exists(const std::string& path) = 0;
    virtual bool Remove(const std::string& path) = 0;
    virtual bool Move(const std::string& from, const std::string& to) = 0;  // replacing an existing target
    virtual bool CopyCurrent(const std::string& to) = 0;                    // the sheet's file, overwriting
};

inline constexpr std::string_view kNewestBackupMark = ".x";

// Slot i of the ring: base + "." + i.
std::string BackupSlot(const std::string& base, int slot);

// Takes one backup of the sheet's file into the ring of maxBackup slots at base (the file-info folder joined
// with the file's name). The newest backup carries ".x"; the slot after it in ring order is the oldest. With
// 0 slots or fewer only the marked slot 0 is written. Failures are not reported: a backup never stops a save.
void TakeBackup(BackupFiles& files, const std::string& base, int maxBackup);

// Program settings of sheets, read once per open or save.
struct SheetSettings {
    char delimiter = ',';
    bool checkForMark = true;
    bool neverSort = false;
    bool makeBackups = true;
    int maxBackup = 5;
    bool saveWidths = true;
};

SheetSettings ReadSheetSettings(const SettingsStore& settings);

inline constexpr std::string_view kFirstRowAsTitleKey = "SpreadsheetFirstRowAsTitle";
inline constexpr std::string_view kSortHeaderKey = "SpreadsheetSortHeader";
inline constexpr std::string_view kColumnWidthsKey = "ColumnWidths";
inline constexpr std::size_t kColumnWidthsLimit = 259;

// The layout a file opens with: from its info file's "General" section (nullopt when it has none), the new
// sheet's defaults for a sheet just created.
SheetLayout OpenLayout(const SheetSettings& settings, std::optional<std::string_view> infoFile, bool newSheet);

// "ColumnWidths": pixel widths joined by "," without blanks; entries that are no number read as 0.
std::string WidthsText(const std::vector<int>& widths);
std::vector<int> ParseWidths(std::string_view text);

}  // namespace pw
