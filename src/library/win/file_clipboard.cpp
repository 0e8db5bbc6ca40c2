#include "library/win/file_clipboard.h"

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "library/image_links.h"
#include "library/listing.h"
#include "library/win/file_pane.h"
#include "library/win/folder_watch.h"
#include "library/win/library_state.h"
#include "notes/win/document.h"
#include "notes/win/file_info.h"
#include "settings/settings_store.h"
#include "settings/text.h"
#include "settings/win/messages.h"
#include "settings/win/safe_file.h"
#include "settings/win/settings_win.h"

namespace pw {
namespace {

bool CopyOrMove(bool move, const std::string& from, const std::string& to)
{
    // Neither call replaces an existing target.
    return move ? MoveFileA(from.c_str(), to.c_str()) != 0 : CopyFileA(from.c_str(), to.c_str(), TRUE) != 0;
}

// The info file goes the same way as its file; its failure does not undo the file's.
void CarryInfoFile(bool move, const std::string& from, const std::string& to)
{
    const std::string source = InfoFileFor(from);
    const std::string target = InfoFileFor(to);
    if (source.empty() || target.empty() || !PathExists(source)) return;
    const DWORD error = GetLastError();
    CopyOrMove(move, source, target);
    SetLastError(error);
}

std::vector<std::string> LinkedImages(const std::string& source, const std::string& folder, const PlaceRecord& place)
{
    if (FolderSetting(Settings(), folder, place.rootPath, "ImageLinksWithFiles", "1") != "1") return {};
    if (!MayLinkImages(FileNameOf(source))) return {};
    const std::optional<std::string> text = ReadWholeFile(source);
    return text ? CollectImageLinks(*text) : std::vector<std::string>{};
}

// A missing subfolder at the destination is not made: such an image stays where it is.
void CarryImages(bool move, const std::vector<std::string>& links, const std::string& fromFolder,
                 const std::string& toFolder)
{
    for (const std::string& link : links) {
        std::string from;
        std::string to;
        if (JoinPath(from, fromFolder, link) && JoinPath(to, toFolder, link)) CopyOrMove(move, from, to);
    }
}

bool IsOpenFile(const std::string& path)
{
    const std::string open = CurrentFile();
    return !open.empty() && EqualsNoCase(open, path);
}

}  // namespace

void PutFileOnClipboard(const char* operation)
{
    const std::string name = SelectedFileName();
    if (name.empty() || !CurrentPlace().inUse) return;
    FileClipboard& pending = LibraryArea().clipboard;
    pending.operation = operation;
    pending.sourceFolder = FileDirectory(CurrentPlace());
    pending.file = name;
    pending.place = CurrentPlace();
    ShowCutFile();
}

void PasteFile()
{
    FileClipboard pending = LibraryArea().clipboard;
    const PlaceRecord& place = CurrentPlace();
    if (pending.operation.empty() || !place.inUse) return;
    LibraryArea().clipboard = FileClipboard{};
    ShowCutFile();
    const std::string& toFolder = FileDirectory(place);
    std::string source;
    std::string target;
    if (!JoinPath(source, pending.sourceFolder, pending.file) || !JoinPath(target, toFolder, pending.file)) {
        StatusMessage("File exists");
        return;
    }
    const std::vector<std::string> links = LinkedImages(source, pending.sourceFolder, pending.place);
    if (PathExists(target)) {
        StatusMessage("File exists");
        return;
    }
    const bool move = pending.operation == "move";
    if (!move && pending.operation != "copy") {
        StatusMessage("Error in operation");
        return;
    }
    // The pasted file carries the editor's latest text, and a moved note is not written back where it was.
    if (IsOpenFile(source)) CloseDocument();
    if (!CopyOrMove(move, source, target)) {
        StatusMessage("%s operation failed: %s", pending.operation.c_str(), LastErrorText().c_str());
        return;
    }
    CarryInfoFile(move, source, target);
    // Images follow only a note that arrived: moving them away from one that stayed would break its links.
    CarryImages(move, links, pending.sourceFolder, toFolder);
    StatusMessage("%s operation for %s succeeded", pending.operation.c_str(), pending.file.c_str());
    AddFileItem(pending.file);
    ResetFolderWatch();
}

void MoveFileToFolder(const std::string& file, const std::string& folderItem)
{
    const PlaceRecord& place = CurrentPlace();
    if (!place.inUse || file.empty() || folderItem.empty()) return;
    CloseDocument();
    const std::string fromFolder = FileDirectory(place);
    std::string toFolder;
    if (folderItem == kParentEntry) {
        std::string_view directory = fromFolder;
        if (!directory.empty() && directory.back() == '\\') directory.remove_suffix(1);
        toFolder = FolderOf(directory);
    } else if (!JoinPath(toFolder, place.folderPath, folderItem)) {
        return;
    }
    std::string source;
    std::string target;
    if (toFolder.empty() || !JoinPath(source, fromFolder, file) || !JoinPath(target, toFolder, file)) return;
    if (PathExists(target)) {
        StatusMessage("File exists");
        return;
    }
    if (!MoveFileA(source.c_str(), target.c_str())) {
        StatusMessage("Moving of %s failed: %s", file.c_str(), LastErrorText().c_str());
        return;
    }
    CarryInfoFile(true, source, target);
    ListFiles(false);
    ResetFolderWatch();
    StatusMessage("Moving %s succeeded", file.c_str());
}

}  // namespace pw
