// The link message: a clicked "fw:Name" opens the note of that name in the current file list, trying the name
// as it is, then with the root's note extension, then with DefaultExtension; failing all three the note is
// created empty in the current file directory and opened.
#include "render/note_link.h"
#include "render/win/render_state.h"
#include "render/win/web_view.h"
#include "settings/text.h"
#include "settings/win/messages.h"
#include "settings/win/safe_file.h"
#include "settings/win/settings_win.h"

namespace pw {
namespace {

WebViewState& View()
{
    return RenderArea().view;
}

// The name as it stands, then with each extension; true once one of them was opened.
bool OpenExisting(const FileListAccess& list, const std::string& name, const std::string& rootExtension)
{
    if (list.selectAndOpen(name)) return true;
    if (!rootExtension.empty() && list.selectAndOpen(name + rootExtension)) return true;
    return list.selectAndOpen(name + Settings().GetString("DefaultExtension", ".txt"));
}

}  // namespace

void SetFileListAccess(FileListAccess access)
{
    View().fileListOverride = std::move(access);
}

FileListAccess FileList()
{
    FileListAccess list = View().fileListOverride;
    WebViewHost* host = View().host;
    if (!list.selectAndOpen)
        list.selectAndOpen = [host](const std::string& name) { return host->OpenListedFile(name); };
    if (!list.addItem) list.addItem = [host](const std::string& name) { host->AddListedFile(name); };
    if (!list.followShown) list.followShown = [host](const std::string& name) { return host->FollowListedFile(name); };
    return list;
}

void HandleNoteLink()
{
    const std::string name = NoteNameFromLink(ClickedLink());
    const PlaceRecord& place = View().host->CurrentPlace();
    // A link with nothing after the scheme names no note, and without a root there is no folder to hold one.
    if (name.empty() || !place.inUse) return;
    const FileListAccess list = FileList();
    if (OpenExisting(list, name, place.defaultExtension)) return;

    const std::string fileName = NoteFileNameForLink(name, place.defaultExtension);
    std::string path;
    if (!JoinPath(path, FileDirectory(place), fileName)) {
        StatusMessage("Path too long: %s", fileName.c_str());
        return;
    }
    if (!PathExists(path) && !WriteNewFile(path, "")) {
        StatusText(LastErrorText());
        return;
    }
    // The cleaned name may already be listed; it is added only when it is not.
    if (list.selectAndOpen(fileName)) return;
    list.addItem(fileName);
    list.selectAndOpen(fileName);
}

}  // namespace pw
