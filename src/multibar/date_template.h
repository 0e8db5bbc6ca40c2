// The date template language: a template such as "dddd, d MMMM yyyy" expanded against a broken-down local
// time, the built-in date texts of the three paste targets, and the dated names of saved images.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "settings/limits.h"
#include "settings/settings_store.h"
#include "settings/text.h"

namespace pw {

// An expanded template holds at most this many characters: a replacement that would reach 260 is not made.
inline constexpr std::size_t kMaxDateText = kMaxText;

// Every occurrence of each token replaced, token after token in a fixed order ("yyyy" before "yy", "MMMM"
// before "M", ...); names go in last through placeholders so that their letters are never taken for tokens.
// There is no quoting: the "t" of "Date" is a token too.
std::string ExpandDateTemplate(std::string_view dateTemplate, const CivilTime& time);

// 0 for Sunday to 6 for Saturday.
int DayOfWeek(const CivilTime& time);

// Where a pasted date goes; each has its template key and a built-in text for when that key is empty.
enum class DateTarget { Multibar, SheetCell, Note };

// The built-in text of a target: "2026Dec07" / "2026Dec07.1405" in the Multibar, "2026 12 07" /
// "2026 Dec 07 14:05" in a cell, "12:30 AM 12/7/2026 " in a note (there midnight and noon both give 12).
std::string BuiltInDateText(DateTarget target, bool withTime, const CivilTime& time);

// The text F5 pastes into a target: its template (a folder-level key, looked up from the folders given) when
// that is not empty, else the built-in text with the time when the target's switch is on.
std::string PasteDateText(DateTarget target, SettingsStore& store, const std::string& currentFolder,
                          const std::string& rootFolder, const CivilTime& time);

// What renaming a freshly saved image asks of the file system.
struct ImageFileSystem {
    std::function<bool(const std::string&)> exists;
    std::function<bool(const std::string& from, const std::string& to)> rename;
};

enum class DatedImageResult { Off, Renamed, NoFreeName, TooLong, RenameFailed };

// With ImagePrependDate exactly "1" (letter case ignored), the image is renamed so that its name starts with
// the expanded PrependDateTemplate: after the last "/" of a name that holds one, else in front. An existing
// file is never replaced: a taken name gets "_NNN" (up to 99); when every name is taken, or the path would
// not fit, the image keeps its name. imagePath and imageName follow a rename.
DatedImageResult PrependDateToImage(std::string& imagePath, std::string& imageName, SettingsStore& store,
                                    const std::string& currentFolder, const std::string& rootFolder,
                                    const CivilTime& time, const ImageFileSystem& files);

}  // namespace pw
