// Saving the note. Every write goes through WriteNoteFile: the folder watch forgets the folder first (so our
// own write does not refresh the file pane), then the file is replaced safely (temporary file beside it,
// flushed, swapped in). Before writing, the file on disk is compared with what we last read or wrote, so
// that a change made by another program is never overwritten unseen.
#include <optional>

#include "library/viewers.h"
#include "notes/note_text.h"
#include "notes/win/document.h"
#include "notes/win/document_state.h"
#include "notes/win/notes_state.h"
#include "settings/limits.h"
#include "settings/text.h"
#include "settings/win/messages.h"
#include "settings/win/safe_file.h"

namespace pw {
namespace {

DocumentHost& Host()
{
    return *NotesArea().host;
}

PlaceRecord& CurrentPlace()
{
    return Host().CurrentPlace();
}

std::string MultibarText()
{
    HWND bar = NotesArea().panes.multibar;
    char text[kMaxText + 1] = {};
    if (bar) GetWindowTextA(bar, text, sizeof(text));
    return text;
}

// The name an unnamed note gets from the Multibar; nullopt after telling the user why not.
std::optional<std::string> ChooseNewName(const PlaceRecord& place, std::string& path)
{
    const std::optional<std::string> name = NameForUnsavedNote(MultibarText(), place.defaultExtension);
    if (!name) {
        StatusMessage("Please choose a note name");
        return std::nullopt;
    }
    if (!JoinPath(path, FileDirectory(place), *name) || PathExists(path)) {
        StatusMessage("File exists");
        return std::nullopt;
    }
    return name;
}

// Writes the editor text to path and makes it the document: its bytes, its stamp, not modified.
bool WriteEditorTo(const std::string& path, DWORD* error)
{
    const std::string bytes = EditorText();
    if (!WriteNoteFile(path, bytes, error)) return false;
    DocumentState& doc = Doc();
    doc.path = path;
    doc.missingReported = false;
    const std::optional<std::string> written = ReadWholeFile(path);
    doc.text = written ? *written : bytes;
    RememberStamp(path, doc.text);
    SetModified(false);
    return true;
}

// Names an unnamed note and writes it; the name is taken only once the file exists.
bool SaveUnnamed(const char* savedMessage, const char* failed)
{
    PlaceRecord& place = CurrentPlace();
    std::string path;
    const std::optional<std::string> name = ChooseNewName(place, path);
    if (!name) return false;
    DWORD error = 0;
    if (!WriteEditorTo(path, &error)) {
        StatusMessage("%s: %s", failed, ErrorText(error).c_str());
        return false;
    }
    place.file = *name;
    SetTitle(*name);
    SetWindowTextA(NotesArea().panes.multibar, "");
    Host().AddListedFile(*name);
    Host().SelectListedFile(*name);
    StatusMessage("%s", savedMessage);
    return true;
}

// Whether the save can go on after looking at the file on disk.
bool ReadyToWrite(bool& done)
{
    switch (CheckExternalChangeNow()) {
        case ExternalChange::None:
        case ExternalChange::Missing:
            return true;
        case ExternalChange::KeptMine:
            done = true;  // the user's text is already written
            return false;
        default:
            return false;
    }
}

bool SaveNamed(const char* savedMessage, const char* failed)
{
    DocumentState& doc = Doc();
    bool done = false;
    if (!ReadyToWrite(done)) return done;
    if (doc.readOnly) {
        StatusMessage("%s is open read-only: nothing was written", FileNameOf(doc.path).c_str());
        return false;
    }
    DWORD error = 0;
    if (!WriteEditorTo(doc.path, &error)) {
        StatusMessage("%s: %s", failed, ErrorText(error).c_str());
        return false;
    }
    StatusMessage("%s", savedMessage);
    return true;
}

bool SaveNote(const char* savedMessage, const char* failed)
{
    const PlaceRecord& place = CurrentPlace();
    if (!place.inUse || place.file.empty()) return false;
    if (IsNewUnsavedMarker(place.file)) return SaveUnnamed(savedMessage, failed);
    if (Doc().path.empty()) Doc().path = OpenFilePath(place);
    return SaveNamed(savedMessage, failed);
}

}  // namespace

bool WriteNoteFile(const std::string& path, std::string_view bytes, DWORD* error)
{
    Host().NoteFileWriting();
    return ReplaceFileSafely(path, bytes, error);
}

std::string WriteBesideAsNewFile(const std::string& path, std::string_view bytes, DWORD* error)
{
    const std::optional<std::string> free =
        FreeFileName(path, [](const std::string& candidate) { return PathExists(candidate); });
    if (!free) {
        *error = ERROR_FILE_EXISTS;
        return {};
    }
    if (!WriteNoteFile(*free, bytes, error)) return {};
    Host().AddListedFile(FileNameOf(*free));
    return *free;
}

bool RescueUnsavedText()
{
    const std::string text = EditorText();
    if (text.empty()) return false;
    const PlaceRecord& place = CurrentPlace();
    std::string path = Doc().path;
    if (path.empty() && !JoinPath(path, FileDirectory(place), "Unsaved note" + place.defaultExtension)) {
        return false;
    }
    DWORD error = 0;
    const std::string kept = WriteBesideAsNewFile(path, text, &error);
    if (kept.empty()) {
        StatusMessage("Note not saved: %s", ErrorText(error).c_str());
        return true;
    }
    Doc().modified = false;
    StatusMessage("Note not saved: your text is kept in %s", FileNameOf(kept).c_str());
    // The status line is soon overwritten by what comes next (a listing, another note): say it where it stays.
    ShowBox(NotesArea().panes.mainWindow, "The note could not be saved.\n\nYour text is kept in " + kept, "Pagewick",
            MB_OK | MB_ICONWARNING);
    return true;
}

bool SaveDocument()
{
    return SaveNote("Note saved", "Note not saved");
}

bool SaveModifiedNote(const char* savedMessage, const char* failed)
{
    if (Host().CurrentViewer() != kTextViewer || !Doc().modified) return false;
    return SaveNote(savedMessage, failed);
}

bool SaveIfModified()
{
    return SaveModifiedNote("Note saved", "Note not saved");
}

bool SaveInPlace()
{
    DocumentState& doc = Doc();
    const PlaceRecord& place = CurrentPlace();
    if (!place.inUse || place.file.empty() || IsNewUnsavedMarker(place.file)) return false;
    if (doc.path.empty()) doc.path = OpenFilePath(place);
    bool done = false;
    if (!ReadyToWrite(done)) return done || !doc.modified;
    if (doc.readOnly) return !doc.modified;
    DWORD error = 0;
    if (WriteEditorTo(doc.path, &error)) return true;
    StatusMessage("Note not saved: %s", ErrorText(error).c_str());
    return false;
}

}  // namespace pw
