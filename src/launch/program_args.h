// The external program's argument text: the "$" variables, and the mailto address built from a selection.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "settings/text.h"

namespace pw {

inline constexpr std::string_view kDefaultProgramArgs = "\"$fullfile\"";
inline constexpr std::string_view kDefaultProgramAlias = "external program";
inline constexpr std::string_view kRequestVariable = "$request";
inline constexpr std::string_view kStoredTextVariable = "$storetxt";
// An argument text, a "$storetxt" answer and a mailed or launched selection hold at most this many characters.
inline constexpr std::size_t kMaxLaunchText = 259;

// An argument text being expanded. Variables are looked for only in the template's own text, never in what a
// replacement brought in: a file named "Report $date.txt" stays that file.
class ArgumentText {
public:
    explicit ArgumentText(std::string_view templateText);

    bool Contains(std::string_view variable) const;
    // Replaces the first occurrence of the variable unless the result would reach 260 characters; returns
    // whether the text changed.
    bool Replace(std::string_view variable, std::string_view value);
    std::string Text() const;

private:
    struct Piece {
        std::string text;
        bool fromTemplate;
    };
    std::vector<Piece> pieces_;
    std::size_t size_ = 0;
};

// Replaces "$fullfile", "$filepath", "$filebase", "$filename", "$date", "$time" and "$24time", in that order,
// each at its first occurrence only. "$request" and "$storetxt" are left for the caller, who asks for them.
ArgumentText ExpandProgramArgs(std::string_view args, std::string_view fullPath, const CivilTime& now);

// "\"program\" arguments": the program path is quoted so that a path with blanks stays one word.
std::string ProgramCommandLine(std::string_view program, std::string_view args);

// "mailto:?To=..." or "mailto:?body=..." with line feeds dropped and CR, "%" and "?" encoded; empty when the
// selection is empty or longer than kMaxLaunchText.
std::string MailtoAddress(std::string_view selection, bool asBody);

// Whether a selection of this length may be mailed or launched.
inline bool SelectionFitsLaunch(std::size_t length)
{
    return length > 0 && length <= kMaxLaunchText;
}

// "Please select less than 260 characters (You have selected N)".
std::string SelectionTooLongText(std::size_t length);

}  // namespace pw
