#include "library/win/new_note.h"

#include <windows.h>

#include <optional>

#include "library/win/file_pane.h"
#include "library/win/library_state.h"
#include "multibar/date_template.h"
#include "notes/new_note.h"
#include "notes/win/document.h"
#include "notes/win/notes_state.h"
#include "settings/win/messages.h"
#include "settings/win/safe_file.h"
#include "settings/win/settings_win.h"

namespace pw {
namespace {

constexpr char kCouldNotOpen[] = "Could not open";

// Names the current root's file with the next free numbered name; false (with a message) when none fits.
bool NameNewNote(PlaceRecord& place)
{
    const std::string directory = FileDirectory(place);
    const std::optional<std::string> name =
        NextNewNoteName(directory, NoteExtension(place), [](const std::string& path) { return PathExists(path); });
    if (!name) {
        StatusMessage("No new note: its name would not fit a path in %s", directory.c_str());
        return false;
    }
    place.file = *name;
    SetTitle(*name);
    return true;
}

// The place names no file again: a note that could not be made is not left half-open.
void Refuse(PlaceRecord& place)
{
    place.file.clear();
    SetTitle("");
    StatusMessage("%s", kCouldNotOpen);
}

// The file pane lists the folder again in the folder's own order and selects the new file.
void ListAndSelect(const std::string& name)
{
    ClearFiles();
    RelistFilesKeepingSelection(false);
    SelectFileByName(name);
}

}  // namespace

std::string NoteExtension(const PlaceRecord& place)
{
    if (!place.defaultExtension.empty()) return place.defaultExtension;
    return Settings().GetString("DefaultExtension", ".txt");
}

void NewNote()
{
    PlaceRecord& place = CurrentPlace();
    if (!place.inUse) {
        StatusMessage("%s", kCouldNotOpen);
        return;
    }
    CloseDocument();
    if (NameNewNote(place)) CreateAndOpenCurrentFile();
}

void CreateAndOpenCurrentFile()
{
    PlaceRecord& place = CurrentPlace();
    const std::string path = OpenFilePath(place);
    bool templated = false;
    if (!path.empty() && !PathExists(path)) {
        templated = ApplyTemplate(path);
        if (!templated) WriteNewFile(path, "");
    }
    if (path.empty() || !PathExists(path)) {
        Refuse(place);
        return;
    }
    const std::string name = place.file;
    SwitchViewer(kTextViewer);
    ListAndSelect(name);
    LoadDocument(true);
    LibraryArea().host->Relayout();
    if (templated) {
        OpenSelectedFile(OpenMode::Open, true, true);
        return;
    }
    // Ready for typing. The editor already holds what the file holds: emptying it could lose a file that
    // existed before, so it is left as loaded.
    LibraryArea().host->EnterEditMode();
    SetWindowTextA(NotesArea().panes.multibar, "");
    EnableWindow(ActiveEditor(), TRUE);
}

bool ApplyTemplate(const std::string& notePath)
{
    const PlaceRecord& place = CurrentPlace();
    std::optional<std::string> text;
    for (const std::string& candidate : NoteTemplatePaths(FolderOf(notePath), place.rootPath)) {
        if (!PathExists(candidate)) continue;
        text = ReadWholeFile(candidate);
        break;
    }
    if (!text) return false;
    const CivilTime now = LocalNow();
    const std::string folder = FileDirectory(place);
    auto expand = [&](std::string_view key, std::string_view fallback) {
        return ExpandDateTemplate(FolderSetting(Settings(), folder, place.rootPath, key, fallback), now);
    };
    const std::string filled =
        FillNoteTemplate(*text, expand("NoteTemplateDate", "yyyy-MM-dd"), expand("NoteTemplateTime", "hh:mmtt"));
    WriteNewFile(notePath, filled);
    return PathExists(notePath);
}

void NewNoteFromText(const std::string& text)
{
    PlaceRecord& place = CurrentPlace();
    if (!place.inUse) {
        StatusMessage("%s", kCouldNotOpen);
        return;
    }
    CloseDocument();
    if (!NameNewNote(place)) return;
    const std::string name = place.file;
    const std::string path = OpenFilePath(place);
    if (!text.empty() && !PathExists(path)) WriteNewFile(path, text);
    ListAndSelect(name);
    if (!PathExists(path) || SelectedFileName() != name) {
        Refuse(place);
        return;
    }
    OpenSelectedFile(OpenMode::Open, true, true);
}

}  // namespace pw
