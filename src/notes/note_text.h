// Rules of note documents that need no window or disk: the conversions applied when a note is loaded, the
// name an unsaved note gets, where a file's info file lives, and free names for files that would collide.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace pw {

// The file name of a note typed into the editor that has no name yet.
inline constexpr std::string_view kNewUnsavedMarker = "$NEW$UNSAVED$";
bool IsNewUnsavedMarker(std::string_view fileName);

struct LoadedNote {
    std::string text;           // what the editor shows
    bool heldNulBytes = false;  // the file holds a zero byte; the text ends before the first one
};

// checkForBom: CheckForBOM drops a leading UTF-8 byte-order mark. formatNewLines: FormatNewLines turns every
// LF that does not follow a CR into CR LF.
LoadedNote ConvertLoadedBytes(std::string_view bytes, bool checkForBom, bool formatNewLines);

// The file name of an unsaved note from the Multibar's text: the root's default extension is added unless the
// name already ends with it or with ".fw"; "%20" becomes a blank and characters that cannot stand in a file
// name become "_". nullopt when the text is empty ("Please choose a note name").
std::optional<std::string> NameForUnsavedNote(std::string_view multibarText, std::string_view defaultExtension);

// The folder of info files kept apart from their files: FileInfoDir (already expanded) when set, else
// "file_info" in the program folder.
std::string FileInfoFolder(std::string_view fileInfoDir, std::string_view programFolder);

// Where the info file of filePath lives: beside it with ".fw" added (withOriginal, FwFileWithOriginal), or in
// infoFolder named after the path without its drive or "\\server\share\" and with "\" turned into "_".
// nullopt when the result would not fit a path. The caller expands path variables in the result.
std::optional<std::string> InfoFilePath(std::string_view filePath, bool withOriginal, std::string_view infoFolder);

// The path itself when it does not exist; else the first free name "<folder><base>_NNN<ext>" counting from 1,
// or from the number after the first "_" of the base name (the part before it is kept); at most 99.
// nullopt when every name is taken or would not fit a path.
std::optional<std::string> FreeFileName(std::string_view path, const std::function<bool(const std::string&)>& exists);

}  // namespace pw
