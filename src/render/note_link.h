// Note links in rendered pages: an address "fw:Name" names a note of the current folder. These rules turn the
// clicked address into the name to look for and, when no such note exists, into the file name to create.
#pragma once

#include <string>
#include <string_view>

namespace pw {

// The address cut to 259 characters, without its first three (the scheme), with every "%20" a blank.
// Empty when nothing follows the scheme.
std::string NoteNameFromLink(std::string_view link);

// The file name of a new note: name and extension, every "%20" a blank, and each character that cannot stand
// in a file name of one folder ("%", ":", "?", "[", "\", "]" and "/") an underscore. Cut to 259 characters.
std::string NoteFileNameForLink(std::string_view name, std::string_view extension);

}  // namespace pw
