#include "notes/new_note.h"

#include "settings/limits.h"
#include "settings/text.h"

namespace pw {

namespace {

void ReplaceFirstOf(std::string& text, std::string_view what, std::string_view with)
{
    const std::size_t at = text.find(what);
    if (at != std::string::npos) text.replace(at, what.size(), with);
}

}  // namespace

std::optional<std::string> NextNewNoteName(std::string_view directory, std::string_view extension,
                                           const std::function<bool(const std::string&)>& exists)
{
    for (int number = 0; number <= kMaxNewNoteNumber; ++number) {
        std::string name(kNewNoteBaseName);
        if (number > 0) name += "_" + std::to_string(number);
        name += extension;
        std::string path;
        if (!JoinPath(path, directory, name)) return std::nullopt;
        if (!exists(path)) return name;
    }
    return std::nullopt;
}

std::vector<std::string> NoteTemplatePaths(std::string_view noteFolder, std::string_view rootFolder)
{
    std::vector<std::string> paths;
    for (std::string_view folder : {noteFolder, rootFolder}) {
        std::string path;
        if (!folder.empty() && JoinPath(path, folder, kNoteTemplateName)) paths.push_back(path);
    }
    return paths;
}

std::string FillNoteTemplate(std::string_view templateText, std::string_view date, std::string_view time)
{
    std::string text(templateText);
    ReplaceFirstOf(text, kTemplateDatePlaceholder, date);
    ReplaceFirstOf(text, kTemplateTimePlaceholder, time);
    return text;
}

}  // namespace pw
