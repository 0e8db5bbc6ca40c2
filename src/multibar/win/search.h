// The document search (the note in the text pane) and the folder search (the files of the file list), started
// from the Multibar and continued with Find Next.
#pragma once

#include <optional>
#include <string>

namespace pw {

// Selects the next occurrence of the term in the shown note (an empty term repeats the remembered one); from
// the top unless continuing. A modified note is saved first, through the note's own save.
bool FindInDocument(const std::string& term, bool continuing);
// Opens the next file of the file list whose name or content holds the term and selects the term in it;
// "Search term not found" at the end of the list.
void FindInFolder(const std::string& term, bool restart, bool continuing);
// F3: continues the search of the last Multibar line.
void FindNext();

// The bytes of a file of the listed folder; nullopt for a link, a folder, a name that leaves the folder, or
// a file that cannot be read.
std::optional<std::string> ReadListedFile(const std::string& folder, const std::string& name);

}  // namespace pw
