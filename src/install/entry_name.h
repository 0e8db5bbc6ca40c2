// Which names from the release archive may be written, and where. An archive is input from outside: a name
// that could climb out of the program folder or reach another drive or share is refused before anything is
// written.
#pragma once

#include <string>
#include <string_view>

namespace inst {

// Longest entry name the installer reads from an archive.
inline constexpr std::size_t kMaxEntryName = 255;

enum class EntryProblem {
    None,
    Empty,        // nothing but separators or "." components
    TooLong,      // longer than kMaxEntryName
    Absolute,     // starts with a separator (a root, or a UNC "\\server\share" prefix)
    Drive,        // holds a colon: a drive ("C:") or an alternate stream
    ParentStep,   // has a ".." component
    BadCharacter  // a control character, or one of <>"|?*
};

struct EntryName {
    EntryProblem problem = EntryProblem::None;
    std::string path;     // the name relative to the program folder, "\" between components, no trailing "\"
    bool folder = false;  // the entry names a folder (its name ended in a separator)
};

// Checks one entry name, "/" and "\" both separating folders, and gives its safe relative form.
EntryName CheckEntryName(std::string_view name);

// A short English reason for a refused name, for the message that stops the install.
const char* EntryProblemText(EntryProblem problem);

}  // namespace inst
