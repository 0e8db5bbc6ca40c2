// Rules of new notes that need no window or disk: the numbered names "New Note", "New Note_1", ..., and the
// note templates whose date and time placeholders are filled in.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pw {

inline constexpr std::string_view kNewNoteBaseName = "New Note";
inline constexpr std::string_view kNoteTemplateName = "template.fw";
inline constexpr std::string_view kTemplateDatePlaceholder = "$notetemplatedate";
inline constexpr std::string_view kTemplateTimePlaceholder = "$notetemplatetime";
// Numbers tried after the plain name; a folder that holds all of them gets no generated name.
inline constexpr int kMaxNewNoteNumber = 99999;

// The first free name of "New Note<ext>", "New Note_1<ext>", "New Note_2<ext>", ... in the directory.
// nullopt when the directory joined with the name would not fit a path (or every number is taken): the
// caller refuses the note rather than cut its path.
std::optional<std::string> NextNewNoteName(std::string_view directory, std::string_view extension,
                                           const std::function<bool(const std::string&)>& exists);

// The places a note's template is looked for, in order: its own folder, then the root folder. A path that
// would not fit is left out.
std::vector<std::string> NoteTemplatePaths(std::string_view noteFolder, std::string_view rootFolder);

// The template with its first "$notetemplatedate" and its first "$notetemplatetime" replaced; later ones
// stay. Works on texts of any length.
std::string FillNoteTemplate(std::string_view templateText, std::string_view date, std::string_view time);

}  // namespace pw
