// Noticing that another program changed or deleted the open note. We keep the size, write time and a content
// hash of the file as we last read or wrote it; a write time alone is weak evidence (coarse on some file
// systems, and equal times can hide a change of the same size), so a differing time leads to a comparison of
// the content. Nothing is lost in any outcome: when both sides changed, the side that is not kept in the note
// is written under a free name beside it.
#include "library/viewers.h"
#include "notes/win/document.h"
#include "notes/win/document_state.h"
#include "notes/win/notes_state.h"
#include "settings/text.h"
#include "settings/win/messages.h"
#include "settings/win/safe_file.h"

namespace pw {
namespace {

std::uint64_t Combine(DWORD high, DWORD low)
{
    return (static_cast<std::uint64_t>(high) << 32) | low;
}

bool IsGone(DWORD error)
{
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

void ReportMissing(DocumentState& doc)
{
    if (doc.missingReported) return;
    doc.missingReported = true;
    SetModified(true);
    StatusMessage("%s was deleted by another program: your text stays open and the next save writes it again",
                  FileNameOf(doc.path).c_str());
}

std::string ConflictQuestion(const std::string& name)
{
    return name +
           " was changed by another program, and this note has unsaved changes.\n\n"
           "Yes: keep your text in the note (the other program's version is saved under a new name).\n"
           "No: show the other program's version (your text is saved under a new name).\n"
           "Cancel: your text is saved under a new name and the other program's version is shown.";
}

ExternalChange KeepMine(DocumentState& doc, const std::string& theirs)
{
    DWORD error = 0;
    const std::string copy = WriteBesideAsNewFile(doc.path, theirs, &error);
    if (copy.empty()) {
        StatusMessage("Note not saved: the other program's version could not be kept: %s", ErrorText(error).c_str());
        return ExternalChange::Unresolved;
    }
    const std::string mine = EditorText();
    if (!WriteNoteFile(doc.path, mine, &error)) {
        StatusMessage("Note not saved: %s (the other program's version is in %s)", ErrorText(error).c_str(),
                      copy.c_str());
        return ExternalChange::Unresolved;
    }
    doc.text = mine;
    RememberStamp(doc.path, mine);
    SetModified(false);
    StatusMessage("Saved your text to %s; the other program's version is in %s", FileNameOf(doc.path).c_str(),
                  FileNameOf(copy).c_str());
    return ExternalChange::KeptMine;
}

ExternalChange TakeTheirs(DocumentState& doc, const std::string& theirs)
{
    DWORD error = 0;
    const std::string copy = WriteBesideAsNewFile(doc.path, EditorText(), &error);
    if (copy.empty()) {
        StatusMessage("Your unsaved text could not be kept beside %s: %s", FileNameOf(doc.path).c_str(),
                      ErrorText(error).c_str());
        return ExternalChange::Unresolved;
    }
    const std::string path = doc.path;
    TakeLoadedBytes(path, theirs);
    StatusMessage("Reloaded %s; your unsaved text is in %s", FileNameOf(path).c_str(), FileNameOf(copy).c_str());
    return ExternalChange::TookTheirs;
}

ExternalChange Resolve(DocumentState& doc, const std::string& theirs)
{
    if (!doc.modified) {
        const std::string path = doc.path;
        TakeLoadedBytes(path, theirs);
        StatusMessage("Reloaded %s: it was changed by another program", FileNameOf(path).c_str());
        return ExternalChange::Reloaded;
    }
    bool& asking = NotesArea().askingAboutChange;
    asking = true;
    const int answer = ShowBox(NotesArea().panes.mainWindow, ConflictQuestion(FileNameOf(doc.path)), "Pagewick",
                               MB_YESNOCANCEL | MB_ICONWARNING);
    asking = false;
    if (answer == IDYES) return KeepMine(doc, theirs);
    return TakeTheirs(doc, theirs);  // No, Cancel and closing the box
}

}  // namespace

std::uint64_t ContentHash(std::string_view bytes)
{
    std::uint64_t hash = 14695981039346656037ull;
    for (unsigned char c : bytes) {
        hash ^= c;
        hash *= 1099511628211ull;
    }
    return hash;
}

bool ReadFileTimes(const std::string& path, std::uint64_t& size, std::uint64_t& writeTime, DWORD* error)
{
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) {
        if (error) *error = GetLastError();
        return false;
    }
    size = Combine(data.nFileSizeHigh, data.nFileSizeLow);
    writeTime = Combine(data.ftLastWriteTime.dwHighDateTime, data.ftLastWriteTime.dwLowDateTime);
    return true;
}

void RememberStamp(const std::string& path, std::string_view bytes)
{
    FileStamp& stamp = Doc().stamp;
    stamp.known = ReadFileTimes(path, stamp.size, stamp.writeTime);
    stamp.size = bytes.size();
    stamp.hash = ContentHash(bytes);
}

bool ExternalChangeQuestionOpen()
{
    return NotesArea().askingAboutChange;
}

ExternalChange CheckExternalChangeNow()
{
    if (NotesArea().askingAboutChange) return ExternalChange::Unresolved;
    DocumentState& doc = Doc();
    if (doc.path.empty() || !doc.stamp.known) return ExternalChange::None;
    // Another viewer shows the current file: the note that was open before has been left.
    if (NotesArea().host->CurrentViewer() != kTextViewer || !IsWindowEnabled(ActiveEditor()))
        return ExternalChange::None;
    std::uint64_t size = 0, writeTime = 0;
    DWORD error = 0;
    if (!ReadFileTimes(doc.path, size, writeTime, &error)) {
        if (!IsGone(error)) return ExternalChange::None;
        ReportMissing(doc);
        return ExternalChange::Missing;
    }
    if (!doc.missingReported && size == doc.stamp.size && writeTime == doc.stamp.writeTime) {
        return ExternalChange::None;
    }
    const std::optional<std::string> bytes = ReadWholeFile(doc.path);
    if (!bytes) return ExternalChange::None;
    if (bytes->size() == doc.stamp.size && ContentHash(*bytes) == doc.stamp.hash) {
        doc.stamp.writeTime = writeTime;  // touched, not changed
        doc.missingReported = false;
        return ExternalChange::None;
    }
    doc.missingReported = false;
    return Resolve(doc, *bytes);
}

void CheckExternalChange()
{
    CheckExternalChangeNow();
}

}  // namespace pw
