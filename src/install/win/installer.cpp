#include "install/win/installer.h"

#include <shlobj.h>

#include "install/install_names.h"
#include "install/install_plan.h"
#include "install/win/files.h"

namespace inst {
namespace {

// Owns a shell item id list.
class IdList {
public:
    IdList() = default;
    ~IdList()
    {
        if (list_) CoTaskMemFree(list_);
    }
    IdList(const IdList&) = delete;
    IdList& operator=(const IdList&) = delete;
    LPITEMIDLIST* out() { return &list_; }
    LPITEMIDLIST get() const { return list_; }

private:
    LPITEMIDLIST list_ = nullptr;
};

std::string SpecialFolder(int csidl)
{
    IdList list;
    if (FAILED(SHGetSpecialFolderLocation(nullptr, csidl, list.out())) || !list.get()) return {};
    char path[MAX_PATH] = "";
    return SHGetPathFromIDListA(list.get(), path) ? path : "";
}

std::string PickFolder(HWND owner)
{
    char name[MAX_PATH] = "";
    BROWSEINFOA info = {};
    info.hwndOwner = owner;
    info.pszDisplayName = name;
    info.lpszTitle = "Choose a Directory";
    info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
    IdList list;
    *list.out() = SHBrowseForFolderA(&info);
    char path[MAX_PATH] = "";
    if (!list.get() || !SHGetPathFromIDListA(list.get(), path)) return {};
    return path;
}

}  // namespace

InstallTargets SystemTargets()
{
    InstallTargets targets;
    char self[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    targets.installerFile = self;
    targets.programFiles = SpecialFolder(CSIDL_PROGRAM_FILES);
    targets.appData = SpecialFolder(CSIDL_APPDATA);
    targets.commonPrograms = SpecialFolder(CSIDL_COMMON_PROGRAMS);
    targets.userPrograms = SpecialFolder(CSIDL_PROGRAMS);
    targets.desktop = SpecialFolder(CSIDL_DESKTOPDIRECTORY);
    const std::string oldFolder = JoinPath(targets.programFiles, kOldProductFolder).value_or("");
    targets.oldSettingsFile = oldFolder.empty() ? "" : JoinPath(oldFolder, kOldSettingsFile).value_or("");
    targets.registryRoot = HKEY_LOCAL_MACHINE;
    targets.uninstallKey = kUninstallKeyPath;
    return targets;
}

InstallHooks SystemHooks()
{
    InstallHooks hooks;
    hooks.useOldSettings = [](HWND owner) {
        return MessageBoxA(
                   owner, "Settings of Ferrowind, the earlier name of Pagewick, were found.\n\nUse them with Pagewick?",
                   "Old ini file exists", MB_YESNO | MB_ICONWARNING) == IDYES;
    };
    hooks.warn = [](HWND owner, const std::string& text) {
        MessageBoxA(owner, text.c_str(), "Error", MB_OK | MB_ICONWARNING);
    };
    hooks.pickFolder = PickFolder;
    return hooks;
}

std::string DefaultProgramFolder(const InstallTargets& targets)
{
    if (!targets.programFiles.empty()) return JoinPath(targets.programFiles, kProductName).value_or("");
    char system[MAX_PATH] = "";
    if (GetSystemDirectoryA(system, MAX_PATH) < 3) return {};
    const std::string drive(system, 3);
    return JoinPath(JoinPath(drive, "Program Files").value_or(""), kProductName).value_or("");
}

const std::string& ProgramFolder(Installer& installer)
{
    if (installer.state.programFolder.empty()) installer.state.programFolder = DefaultProgramFolder(installer.targets);
    return installer.state.programFolder;
}

std::string InstallerFolder(const InstallTargets& targets)
{
    return FolderOf(targets.installerFile);
}

}  // namespace inst
