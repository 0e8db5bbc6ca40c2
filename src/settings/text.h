// Small text and path rules that every part of the program relies on. Byte strings in the system code page;
// name comparisons ignore letter case (ASCII).
#pragma once

#include <cstdarg>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pw {

bool EqualsNoCase(std::string_view a, std::string_view b);
// Position of the first occurrence of what in text, ignoring case; npos when none.
std::size_t FindNoCase(std::string_view text, std::string_view what, std::size_t from = 0);
bool ContainsNoCase(std::string_view text, std::string_view what);
bool StartsWithNoCase(std::string_view text, std::string_view prefix);
// True only when text is longer than suffix and ends with it, ignoring case.
bool EndsWithNoCase(std::string_view text, std::string_view suffix);

// Booleans stored as text: "yes", "on", "true" or "1" in any case.
bool BooleanText(std::string_view text);
// The integer a setting text yields: its decimal value when that is not zero, 0 for exactly "0", else -1.
int IntegerFromText(std::string_view text);
// The leading decimal number of a text (blanks and a sign allowed before it), 0 when there is none; saturates
// at the int range.
int DecimalPrefix(std::string_view text);
std::string IntegerText(long long value);
// 1234567 -> "1,234,567".
std::string ThousandsText(unsigned long long value);

// Folder, then "\" unless the folder ends with "\" or the name starts with "\", then the name. An empty name
// adds nothing. Refused (false, out unchanged) when folder and name together have 260 characters or more.
bool JoinPath(std::string& out, std::string_view folder, std::string_view name);
// Drive and folder of a path, ending with "\" (empty when the path has no folder part).
std::string FolderOf(std::string_view path);
// Name and extension of a path.
std::string FileNameOf(std::string_view path);
// Extension from the last "." of the file name on, with the dot; empty when none.
std::string ExtensionOf(std::string_view path);
// Every "\\" after the first character becomes "\"; empty or over-long (more than 260) paths stay as they are.
std::string CollapseBackslashes(std::string_view path);
// Every "\" and "/" becomes sep, then backslashes collapse; empty or over-long paths give "".
std::string SetSeparators(std::string_view path, char sep);
// The text between the first double quote and the next one (or the end), when there is a double quote.
std::string RemoveQuotes(std::string_view text);
// Remove trailing blanks, leading blanks, then one trailing line feed or carriage return.
std::string TrimLine(std::string_view text);
// Blanks (spaces only) removed at both ends.
std::string TrimSpaces(std::string_view text);
// Replace the first occurrence; refused (false) when the result would reach 260 characters.
bool ReplaceFirst(std::string& text, std::string_view what, std::string_view with);
// Repeat ReplaceFirst while text contains what, at most as many times as text had characters.
void ReplaceAll(std::string& text, std::string_view what, std::string_view with);

// Formatting rule of the message functions: a format string longer than limit is copied (cut) unformatted,
// otherwise it is formatted and cut to limit.
std::string FormatLimited(std::size_t limit, const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 2, 3)))
#endif
    ;
std::string FormatLimitedV(std::size_t limit, const char* format, va_list args);

struct CivilTime {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};
std::string DateText(const CivilTime& t);    // "2026.12.10"
std::string Time12Text(const CivilTime& t);  // "12:05am", "1:07pm"
std::string Time24Text(const CivilTime& t);  // "09:05"
// One log line: "MM.DD hh:mm:ss " + message cut to 1,020 characters + "\n" unless it ends with one.
std::string LogLine(const CivilTime& t, std::string_view message);

// UTF-8 to Windows-1252; characters that code page cannot hold become "?".
std::string Utf8ToCp1252(std::string_view utf8);

// Text of a common dialog extended error, or nullptr for codes the table does not name (0: cancelled).
const char* CommonDialogErrorText(unsigned long code);

}  // namespace pw
