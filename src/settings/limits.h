// The observable size limits of stored texts. Paths, names and setting values hold at most 259 characters;
// longer text is cut, never grown, and a path operation whose result would not fit is refused.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace pw {

inline constexpr std::size_t kMaxText = 259;        // a path, a name or a setting value
inline constexpr std::size_t kMaxStatusText = 259;  // a status message
inline constexpr std::size_t kMaxBoxText = 5199;    // a message box text
inline constexpr std::size_t kMaxLogText = 1039;    // a formatted log message
inline constexpr std::size_t kEditorLimit = 64000;  // characters the note editor takes
inline constexpr std::size_t kMaxListItems = 259;   // items of a comma list or section key list

// The text cut to at most max characters.
inline std::string Cut(std::string_view text, std::size_t max = kMaxText)
{
    return std::string(text.substr(0, max));
}

}  // namespace pw
