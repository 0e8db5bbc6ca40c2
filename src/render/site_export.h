// A root as a folder of static pages: each note rendered by the same pipeline as View mode, note links turned
// into links between the pages, and an index page per folder. These are the rules; the command-line tool walks
// the folders and writes the files.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "settings/settings_store.h"

namespace pw {

// Every folder gets this page; the style sheet is copied once to the top of the export.
inline constexpr std::string_view kExportIndexPage = "index.html";
inline constexpr std::string_view kExportStyleSheet = "markup.css";

enum class ExportRole {
    Page,  // a note: rendered into NAME.html
    Copy,  // a picture: copied beside the pages as it is
    Skip,  // anything else (info files, spreadsheets, programs)
};
ExportRole ExportRoleOf(std::string_view fileName, const StringList& markdownExtensions);

// "Garden plan.wki" becomes "Garden plan.wki.html": notes of one name and different kinds stay apart.
std::string ExportPageName(std::string_view noteName);

// One folder of the export: where it is and what it holds.
struct ExportFolder {
    std::string title;                 // the folder's path inside the root ("" for the root itself)
    int depth = 0;                     // folders between it and the top of the export
    std::vector<std::string> notes;    // the file names of its notes, in the order listed
    std::vector<std::string> folders;  // its subfolders that are exported
    std::string rootExtension;         // the root's note extension, tried after the name as it is
    std::string defaultExtension;      // DefaultExtension, tried last
    // Built by IndexExportNotes: note names, and names without their extension, in lower case.
    std::unordered_map<std::string, std::size_t> byName, byStem;
};

// Links resolve through the index: a folder of many notes costs one look-up per link, not one per note.
void IndexExportNotes(ExportFolder& folder);

// The page of one note. Wiki and Markdown notes are rendered as View mode renders them; a text note is shown
// as it is, in a preformatted block.
std::string ExportNotePage(std::string_view noteName, std::string_view bytes, const ExportFolder& folder,
                           const SettingsStore& store);

// Each "fw:" link becomes a link to the page of the note it names in the same folder (the name as it is, then
// with the root's extension, then with the default one, then with any note extension). A link to no exported
// note keeps its text but links nowhere (there is no program to create the note): its title says so.
std::string ResolveExportLinks(std::string_view html, const ExportFolder& folder);

// The folder's subfolders and notes as links, with a link up where there is a parent.
std::string ExportIndexPage(const ExportFolder& folder);

}  // namespace pw
