#include "shell/win/drop_handling.h"

#include <shellapi.h>

#include <optional>
#include <string>
#include <vector>

#include "library/win/file_pane.h"
#include "library/win/library_state.h"
#include "library/win/new_note.h"
#include "media/bmp.h"
#include "media/drop_data.h"
#include "media/win/fetch.h"
#include "media/win/image_date.h"
#include "media/win/image_files.h"
#include "notes/note_text.h"
#include "notes/win/editing.h"
#include "settings/limits.h"
#include "settings/text.h"
#include "settings/win/com_ptr.h"
#include "settings/win/global_memory.h"
#include "settings/win/message_pump.h"
#include "settings/win/messages.h"
#include "settings/win/safe_file.h"
#include "settings/win/settings_win.h"
#include "shell/win/image_paste.h"
#include "shell/win/main_window.h"

namespace pw {
namespace {

// The bytes the data holds in the format as global memory; nullopt when it offers none.
std::optional<std::string> GlobalData(IDataObject* data, CLIPFORMAT format)
{
    FORMATETC asked{format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    STGMEDIUM medium{};
    if (data->GetData(&asked, &medium) != S_OK) return std::nullopt;
    std::optional<std::string> bytes;
    if (medium.tymed == TYMED_HGLOBAL) bytes = GlobalBytes(medium.hGlobal);
    ReleaseStgMedium(&medium);
    return bytes;
}

// Text as 8-bit text ends at its zero, or at the end of its block.
std::optional<std::string> TextData(IDataObject* data, CLIPFORMAT format)
{
    std::optional<std::string> bytes = GlobalData(data, format);
    if (bytes) bytes->erase(std::min(bytes->size(), bytes->find('\0')));
    return bytes;
}

std::vector<std::string> DroppedPaths(IDataObject* data)
{
    std::vector<std::string> paths;
    FORMATETC asked{CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    STGMEDIUM medium{};
    if (data->GetData(&asked, &medium) != S_OK) return paths;
    HDROP drop = static_cast<HDROP>(medium.hGlobal);
    const UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        char path[kMaxText + 1]{};
        // A path longer than a path buffer is not cut into the name of another file.
        if (DragQueryFileA(drop, i, nullptr, 0) > kMaxText) continue;
        DragQueryFileA(drop, i, path, sizeof path);
        paths.emplace_back(path);
    }
    ReleaseStgMedium(&medium);
    return paths;
}

void DropText(DropTargetKind kind, const std::string& text)
{
    if (kind == DropTargetKind::Folder)
        NewNoteFromText(text);
    else
        InsertDroppedText(text);
}

void ListAndSelect(const std::string& name)
{
    RelistFilesKeepingSelection(true);
    SelectFileByName(name);
}

// Each dropped file is copied into the current folder; a taken name is reported and never overwritten.
void DropFiles(IDataObject* data)
{
    const PlaceRecord& place = CurrentPlace();
    if (!place.inUse) return;
    std::string last;
    for (const std::string& source : DroppedPaths(data)) {
        const std::string name = FileNameOf(source);
        std::string target;
        if (!JoinPath(target, FileDirectory(place), name)) continue;
        if (PathExists(target)) {
            StatusMessage("File exists: %s", name.c_str());
            continue;
        }
        if (CopyFileA(source.c_str(), target.c_str(), TRUE)) last = name;
    }
    if (!last.empty()) ListAndSelect(last);
}

// The folder a dropped or fetched image goes into: "imgs" of the note's folder (made when missing), or the
// current folder itself.
std::optional<std::string> ImageFolder(DropTargetKind kind)
{
    const PlaceRecord& place = CurrentPlace();
    if (!place.inUse) return std::nullopt;
    if (kind == DropTargetKind::Folder) return FileDirectory(place);
    return NoteImageFolder();
}

// The name source of a dropped bitmap: the last file list (its first file) or plain text among the formats,
// in the order the drag source lists them.
std::string BitmapNameSource(IDataObject* data)
{
    std::string source;
    ComPtr<IEnumFORMATETC> formats;
    if (data->EnumFormatEtc(DATADIR_GET, formats.out()) != S_OK || !formats) return source;
    FORMATETC format{};
    while (formats->Next(1, &format, nullptr) == S_OK) {
        CoTaskMemFree(format.ptd);
        if (format.cfFormat == CF_HDROP) {
            const std::vector<std::string> paths = DroppedPaths(data);
            if (!paths.empty()) source = paths.front();
        } else if (format.cfFormat == CF_TEXT) {
            if (auto text = TextData(data, CF_TEXT)) source = Cut(*text);
        }
    }
    return source;
}

// A free name in the folder: the dropped name when no file (nor its PNG, with PNG saving on) has it, else the
// numbered form; an image already there is never replaced.
std::optional<std::string> FreeImageName(const std::string& folder, const std::string& wanted, bool savesPng)
{
    auto taken = [savesPng](const std::string& path) {
        return PathExists(path) || (savesPng && PathExists(path.substr(0, path.size() - 4) + ".png"));
    };
    if (wanted.empty())
        return NextImageName([&](const std::string& name) { return taken(folder + "\\" + name); }, savesPng);
    std::string path;
    if (!JoinPath(path, folder, wanted)) return std::nullopt;
    std::optional<std::string> free = FreeFileName(path, taken);
    if (!free) return std::nullopt;
    return FileNameOf(*free);
}

void PlaceImage(DropTargetKind kind, const std::string& folder, std::string name)
{
    if (kind == DropTargetKind::Folder) {
        ListAndSelect(name);
        return;
    }
    std::string path;
    if (JoinPath(path, folder, name)) PrependDateToImage(CurrentPlace(), path, name);
    InsertImageLink(name);
}

void DropBitmap(DropTargetKind kind, IDataObject* data)
{
    const std::optional<std::string> folder = ImageFolder(kind);
    const std::optional<std::string> packed = GlobalData(data, CF_DIB);
    if (!folder || !packed) return;
    const bool savesPng = Settings().GetBoolDefaultTrue("ImageSaveAsPng");
    const std::optional<std::string> name = FreeImageName(*folder, DroppedImageName(BitmapNameSource(data)), savesPng);
    std::string path;
    if (!name || !JoinPath(path, *folder, *name) || !writeDibAsBmp(*packed, path)) {
        StatusMessage("Error creating bitmap");
        return;
    }
    PlaceImage(kind, *folder, KeepAsPngWhenSet(path, *name, savesPng));
}

// The image of an image fragment is downloaded, without a referrer, into the target's image folder; a failed
// download does nothing further (the fetch reports its own failures).
void DropWebImage(DropTargetKind kind, std::string_view fragment)
{
    std::optional<std::string> address = ImageAddress(fragment);
    const std::optional<std::string> folder = ImageFolder(kind);
    if (!address || !folder) return;
    const std::optional<std::string> saved = FetchToFile(*address, "", *folder);
    if (saved) PlaceImage(kind, *folder, *saved);
}

void DropHtml(DropTargetKind kind, IDataObject* data)
{
    const std::optional<std::string> html = GlobalData(data, HtmlClipboardFormat());
    if (!html) return;
    const std::string_view fragment = HtmlFragment(*html);
    switch (ChooseHtmlDrop(fragment, OffersGlobal(data, CF_TEXT))) {
        case HtmlDropKind::Image:
            DropWebImage(kind, fragment);
            return;
        case HtmlDropKind::Text:
            if (auto text = HtmlAsText(fragment, [] { return PumpPendingMessages(1); })) DropText(kind, *text);
            return;
        case HtmlDropKind::OfferedText:
            if (auto text = TextData(data, CF_TEXT)) DropText(kind, *text);
            return;
    }
}

}  // namespace

void HandleDrop(DropTargetKind kind, IDataObject* data)
{
    if (!data) return;
    if (OffersGlobal(data, CF_DIB)) {
        DropBitmap(kind, data);
    } else if (OffersGlobal(data, CF_HDROP)) {
        DropFiles(data);
    } else if (OffersGlobal(data, HtmlClipboardFormat())) {
        DropHtml(kind, data);
    } else if (OffersGlobal(data, CF_TEXT)) {
        if (auto text = TextData(data, CF_TEXT)) DropText(kind, *text);
    }
}

void RegisterDropTargets()
{
    MainWindow& main = Main();
    main.drops.files = registerDropTarget(main.panes.files, DropTargetKind::Folder, HandleDrop);
    main.drops.editNoWrap = registerDropTarget(main.panes.editNoWrap, DropTargetKind::Note, HandleDrop);
    main.drops.editWrap = registerDropTarget(main.panes.editWrap, DropTargetKind::Note, HandleDrop);
}

void RevokeDropTargets()
{
    MainWindow& main = Main();
    revokeDropTarget(main.panes.files, main.drops.files);
    revokeDropTarget(main.panes.editNoWrap, main.drops.editNoWrap);
    revokeDropTarget(main.panes.editWrap, main.drops.editWrap);
    main.drops = DropTargets{};
}

}  // namespace pw
