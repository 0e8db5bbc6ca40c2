// Message boxes and the common dialogs. Every box goes through ShowBox so tests can answer it.
#include <shlobj.h>
#include <commdlg.h>

#include "settings/limits.h"
#include "settings/win/messages.h"

namespace pw {
namespace {

// The process's, like the boxes it answers: a box can come before the main window exists (a placement
// error at start-up) and after it is gone.
MessageBoxHook& Hook()
{
    static MessageBoxHook hook;
    return hook;
}

}  // namespace

void SetMessageBoxHook(MessageBoxHook hook)
{
    Hook() = std::move(hook);
}

int ShowBox(HWND owner, const std::string& text, const std::string& caption, UINT type)
{
    if (Hook()) return Hook()(owner, text, caption, type);
    return MessageBoxA(owner, text.c_str(), caption.c_str(), type);
}

void MessageText(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    std::string text = FormatLimitedV(kMaxBoxText, format, args);
    va_end(args);
    ShowBox(nullptr, text, "Message", MB_OK);
}

bool YesNoQuestion(HWND owner, const std::string& caption, const std::string& text)
{
    return ShowBox(owner, text, caption, MB_YESNO | MB_ICONINFORMATION) == IDYES;
}

void ShowCommonDialogFailure()
{
    if (const char* text = CommonDialogErrorText(CommDlgExtendedError())) ShowBox(nullptr, text, "Message", MB_OK);
}

bool OpenFileDialog(HWND owner, const std::string& initialFolder, const char* filter, std::string& fileTitle,
                    std::string& filePath)
{
    char path[MAX_PATH] = {};
    char title[MAX_PATH] = {};
    lstrcpynA(path, filePath.c_str(), MAX_PATH);
    lstrcpynA(title, fileTitle.c_str(), MAX_PATH);
    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filter;
    ofn.lpstrFile = path;
    ofn.nMaxFile = MAX_PATH;
    ofn.lpstrFileTitle = title;
    ofn.nMaxFileTitle = MAX_PATH;
    ofn.lpstrInitialDir = initialFolder.empty() ? nullptr : initialFolder.c_str();
    ofn.Flags = OFN_EXPLORER | OFN_LONGNAMES | OFN_NONETWORKBUTTON | OFN_HIDEREADONLY;
    if (!GetOpenFileNameA(&ofn)) {
        ShowCommonDialogFailure();
        return false;
    }
    filePath = path;
    fileTitle = title;
    return true;
}

bool PickFolder(std::string& path)
{
    char chosen[MAX_PATH] = {};
    BROWSEINFOA info{};
    info.pszDisplayName = chosen;
    info.lpszTitle = "Pick a Directory";
    info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
    LPITEMIDLIST list = SHBrowseForFolderA(&info);
    if (!list) return false;
    bool ok = SHGetPathFromIDListA(list, chosen) != FALSE;
    CoTaskMemFree(list);
    if (ok) path = Cut(chosen);
    return ok;
}

}  // namespace pw
