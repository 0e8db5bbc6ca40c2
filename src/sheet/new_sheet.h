// Rules of a new spreadsheet that need no window or disk: its file name and its first content.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace pw {

inline constexpr std::string_view kNewSheetBaseName = "New Spreadsheet";
inline constexpr std::string_view kSheetExtension = ".csv";
inline constexpr int kNewSheetRows = 5;
inline constexpr int kNewSheetColumns = 5;
// Counters tried after the plain name; a folder that holds all of them gets no new sheet.
inline constexpr int kMaxNewSheetNumber = 9999;

// The requested name cut at its first ".csv" (any case), or "New Spreadsheet" when none was requested, with
// ".csv" appended; while that name exists, "<base>_<n>.csv" counting from 1. nullopt when every counter is taken.
std::optional<std::string> NewSheetName(std::string_view requested,
                                        const std::function<bool(const std::string& name)>& exists);

// Five rows of five empty quoted cells, each row ended by CR LF.
std::string EmptySheetText();

}  // namespace pw
