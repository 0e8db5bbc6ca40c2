// What the open note's files share inside the notes layer: the document record and the small editor and
// disk helpers that loading, saving, autosaving and the external-change check all use.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace pw {

// What a file looked like on disk when we last read or wrote it.
struct FileStamp {
    bool known = false;  // false until the file was read or written once
    std::uint64_t size = 0;
    std::uint64_t writeTime = 0;  // FILETIME as one number
    std::uint64_t hash = 0;       // FNV-1a 64 of the bytes
};

struct DocumentState {
    std::string path;  // the file the editor shows; empty when no note is open or it has no name yet
    std::string text;  // the bytes as last loaded or saved, after the load conversions
    bool modified = false;
    bool readOnly = false;
    bool missingReported = false;  // the file vanished and the user has been told once
    FileStamp stamp;
};

DocumentState& Doc();

std::uint64_t ContentHash(std::string_view bytes);
// Size and write time from the directory entry; false when the file cannot be found.
bool ReadFileTimes(const std::string& path, std::uint64_t& size, std::uint64_t& writeTime, DWORD* error = nullptr);
// Remembers the file as it is on disk now, with the hash of the given bytes.
void RememberStamp(const std::string& path, std::string_view bytes);

// The active editor's text with soft line breaks removed.
std::string EditorText();
// Puts text into the active editor without marking the note modified.
void PutEditorText(const std::string& text);
void ClearCounts();

// Writes the bytes over the file safely; on failure error receives the system error code.
bool WriteNoteFile(const std::string& path, std::string_view bytes, DWORD* error);
// Saves bytes under the first free name beside path; the name written, or "" (error set) on failure.
std::string WriteBesideAsNewFile(const std::string& path, std::string_view bytes, DWORD* error);

// Loads the given bytes as the document (conversions, editor, read-only rules), not modified.
void TakeLoadedBytes(const std::string& path, const std::string& bytes);

// The outcome of comparing the open file with what we last read or wrote.
enum class ExternalChange {
    None,        // unchanged, or nothing to compare
    Missing,     // deleted by another program: the editor keeps its text, the next save writes it again
    Reloaded,    // changed, no unsaved edits: the file's new content is shown
    KeptMine,    // the user's text was written over it (the other version saved beside it)
    TookTheirs,  // the file's content is shown (the user's text saved beside it)
    Unresolved,  // a copy could not be written: nothing was changed, the note stays modified
};
ExternalChange CheckExternalChangeNow();
// Whether the question about a change by another program is on screen now.
bool ExternalChangeQuestionOpen();

// Called when a modified note is left after its save failed: the editor text goes to a free name in the
// note's folder, so that closing never drops it. The status message names the file written; false when
// there was no text to keep.
bool RescueUnsavedText();
// Saves a modified note of the text viewer; failed is the opening of the failure message ("Note not saved").
bool SaveModifiedNote(const char* savedMessage, const char* failed);

}  // namespace pw
