#include "install/win/archive.h"

#include <windows.h>

#include <algorithm>

#include <unzip.h>

#include "install/entry_name.h"
#include "install/text.h"
#include "install/win/files.h"

namespace inst {
namespace {

constexpr unsigned kChunkSize = 8192;

// Owns an open archive.
class ZipReader {
public:
    explicit ZipReader(const std::string& path) : zip_(unzOpen(path.c_str())) {}
    ~ZipReader()
    {
        if (zip_) unzClose(zip_);
    }
    ZipReader(const ZipReader&) = delete;
    ZipReader& operator=(const ZipReader&) = delete;
    unzFile get() const { return zip_; }

private:
    unzFile zip_;
};

// Owns the open current entry.
class OpenEntry {
public:
    explicit OpenEntry(unzFile zip) : zip_(zip), open_(unzOpenCurrentFile(zip) == UNZ_OK) {}
    ~OpenEntry()
    {
        if (open_) unzCloseCurrentFile(zip_);
    }
    OpenEntry(const OpenEntry&) = delete;
    OpenEntry& operator=(const OpenEntry&) = delete;
    bool ok() const { return open_; }
    // Closing checks the entry's CRC: a damaged entry fails here.
    bool Close()
    {
        open_ = false;
        return unzCloseCurrentFile(zip_) == UNZ_OK;
    }

private:
    unzFile zip_;
    bool open_;
};

bool CurrentName(unzFile zip, std::string& name, unz_file_info& info)
{
    char buffer[kMaxEntryName + 2] = "";
    if (unzGetCurrentFileInfo(zip, &info, buffer, sizeof buffer, nullptr, 0, nullptr, 0) != UNZ_OK) return false;
    // A longer name is cut by minizip; keep one character over the limit so the check refuses it.
    name.assign(buffer, std::min<std::size_t>(info.size_filename, kMaxEntryName + 1));
    return true;
}

// The entry's date and time are a local time, as zip tools write them.
void SetModificationTime(HANDLE file, const unz_file_info& info)
{
    FILETIME local;
    FILETIME utc;
    const WORD date = HIWORD(info.dosDate);
    const WORD time = LOWORD(info.dosDate);
    if (DosDateTimeToFileTime(date, time, &local) && LocalFileTimeToFileTime(&local, &utc))
        SetFileTime(file, nullptr, nullptr, &utc);
}

// Copies the open current entry into a new file; "" or what failed.
std::string WriteCurrentEntry(unzFile zip, const unz_file_info& info, const std::string& target)
{
    OpenEntry entry(zip);
    if (!entry.ok()) return "cannot read " + target + " from the archive";
    FileHandle file(
        CreateFileA(target.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.ok()) return "cannot write " + target + ": " + SystemErrorText(GetLastError());
    char chunk[kChunkSize];
    for (;;) {
        const int got = unzReadCurrentFile(zip, chunk, kChunkSize);
        if (got < 0) return "the archive is damaged at " + target;
        if (got == 0) break;
        DWORD written = 0;
        if (!WriteFile(file.get(), chunk, static_cast<DWORD>(got), &written, nullptr) || written != DWORD(got))
            return "cannot write " + target + ": " + SystemErrorText(GetLastError());
    }
    if (!entry.Close()) return "the archive is damaged at " + target;
    SetModificationTime(file.get(), info);
    return {};
}

}  // namespace

bool ReadEntryNames(const std::string& archive, std::vector<std::string>& names)
{
    ZipReader zip(archive);
    if (!zip.get()) return false;
    names.clear();
    int status = unzGoToFirstFile(zip.get());
    while (status == UNZ_OK) {
        std::string name;
        unz_file_info info;
        if (!CurrentName(zip.get(), name, info)) return false;
        names.push_back(name);
        status = unzGoToNextFile(zip.get());
    }
    return status == UNZ_END_OF_LIST_OF_FILE;
}

ExtractResult ExtractArchive(const std::string& archive, const std::string& programFolder, const InstallPlan& plan)
{
    ExtractResult result;
    ZipReader zip(archive);
    if (!zip.get()) {
        result.error = "cannot open the archive " + archive;
        return result;
    }
    int status = unzGoToFirstFile(zip.get());
    for (const PlannedEntry& planned : plan.entries) {
        std::string name;
        unz_file_info info;
        if (status != UNZ_OK || !CurrentName(zip.get(), name, info) || CheckEntryName(name).path != planned.path) {
            result.error = "the archive " + archive + " changed while it was read";
            return result;
        }
        const std::string target = JoinPath(programFolder, planned.path).value_or("");
        const std::string folder = planned.folder ? target : FolderOf(target);
        if (!folder.empty() && !CreateFolderTree(folder)) {
            result.error = "cannot create the folder " + folder + ": " + SystemErrorText(GetLastError());
            return result;
        }
        if (!planned.folder) {
            // Listed before writing: a file cut short by a damaged entry is still ours to remove.
            result.files.push_back(planned.path);
            result.error = WriteCurrentEntry(zip.get(), info, target);
            if (!result.ok()) return result;
        }
        status = unzGoToNextFile(zip.get());
    }
    return result;
}

bool ExtractEntry(const std::string& archive, const std::string& entryPath, const std::string& target)
{
    ZipReader zip(archive);
    if (!zip.get()) return false;
    for (int status = unzGoToFirstFile(zip.get()); status == UNZ_OK; status = unzGoToNextFile(zip.get())) {
        std::string name;
        unz_file_info info;
        if (!CurrentName(zip.get(), name, info)) return false;
        const EntryName checked = CheckEntryName(name);
        if (checked.problem == EntryProblem::None && !checked.folder && EqualsNoCase(checked.path, entryPath))
            return WriteCurrentEntry(zip.get(), info, target).empty();
    }
    return false;
}

}  // namespace inst
