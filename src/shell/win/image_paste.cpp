#include "shell/win/image_paste.h"

#include <shlobj.h>

#include <optional>
#include <string>

#include "library/win/library_state.h"
#include "media/win/image_date.h"
#include "media/win/image_files.h"
#include "notes/inserted_links.h"
#include "notes/win/document.h"
#include "notes/win/editing.h"
#include "notes/win/editor_edit.h"
#include "settings/text.h"
#include "settings/win/messages.h"
#include "settings/win/safe_file.h"
#include "shell/win/main_window.h"

namespace pw {

std::optional<std::string> NoteImageFolder()
{
    std::string folder;
    if (!JoinPath(folder, FileDirectory(CurrentPlace()), kImageFolder)) return std::nullopt;
    if (!IsFolder(folder) && SHCreateDirectoryExA(nullptr, folder.c_str(), nullptr) != ERROR_SUCCESS)
        return std::nullopt;
    return folder;
}

void PasteImageForNote()
{
    const PlaceRecord& place = CurrentPlace();
    // An image is saved only where its link can go: a note open in an editor that takes changes.
    if (!place.inUse || place.file.empty() || !EditorTakesChanges(ActiveEditor())) return;
    const std::optional<std::string> folder = NoteImageFolder();
    if (!folder) {
        StatusMessage("Error creating bitmap");
        return;
    }
    std::optional<std::string> name = PasteClipboardImage(Main().hwnd, *folder);
    if (!name) return;
    std::string path;
    if (JoinPath(path, *folder, *name)) PrependDateToImage(place, path, *name);
    InsertImageLink(*name);
}

}  // namespace pw
