// Uninstall: the entry, the shortcuts, then only the program folder's files that are ours (see
// install/uninstall_plan.h). The running installer's own file goes after it has ended (self_removal.h).
#include "install/win/install_run.h"

#include "install/install_names.h"
#include "install/install_plan.h"
#include "install/uninstall_plan.h"
#include "install/win/files.h"
#include "install/win/self_removal.h"
#include "install/win/system_entries.h"

namespace inst {
namespace {

std::string In(const std::string& folder, const std::string& name)
{
    return JoinPath(folder, name).value_or("");
}

void DeleteIfThere(const std::string& path, RunReport& report)
{
    if (path.empty() || DeleteFileA(path.c_str())) return;
    const DWORD error = GetLastError();
    if (error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND)
        report.failures.push_back("cannot delete " + path + ": " + SystemErrorText(error));
}

// The start menu group: its shortcut, then the folder itself only when that leaves it empty.
void RemoveGroup(const std::string& programs, RunReport& report)
{
    if (programs.empty()) return;
    const std::string group = In(programs, kShortcutGroup);
    const std::string link = In(group, kMenuShortcut);
    DeleteIfThere(link, report);
    DeleteIfThere(link + kShortcutExtension, report);
    if (FolderExists(group) && !RemoveDirectoryA(group.c_str()))
        report.kept.push_back(group + "\\ (it holds other shortcuts)");
}

void RemoveProgramFiles(Installer& installer, HWND owner, RunReport& report)
{
    const std::string programFolder = InstallerFolder(installer.targets);
    // Started from anywhere else (a download folder), the installer's folder is no program folder: touch
    // nothing in it.
    if (!FileExists(In(programFolder, kManifestFile)) && !FileExists(In(programFolder, kProgramFile))) {
        installer.hooks.warn(
            owner, "No Pagewick installation was found in " + programFolder + ".\n\nNothing was deleted there.");
        return;
    }
    const std::vector<std::string> manifest =
        ParseManifest(ReadWholeFile(In(programFolder, kManifestFile)).value_or(""));
    const UninstallPlan plan = PlanUninstall(ListTree(programFolder), manifest);
    for (const std::string& file : plan.deleteFiles) DeleteIfThere(In(programFolder, file), report);
    for (const std::string& folder : plan.removeFolders) {
        const std::string path = In(programFolder, folder);
        if (!RemoveDirectoryA(path.c_str()))
            report.failures.push_back("cannot remove " + path + ": " + SystemErrorText(GetLastError()));
    }
    if (!plan.kept.empty()) {
        report.kept.insert(report.kept.end(), plan.kept.begin(), plan.kept.end());
        installer.hooks.warn(owner, KeptMessage(plan, programFolder));
    }
    // The installer is still running from this folder: its file, and the folder when nothing else stays,
    // go once it has ended.
    if (!RemoveAfterExit(installer.targets.installerFile, plan.removeProgramFolder ? programFolder : ""))
        report.failures.push_back("cannot arrange the removal of " + installer.targets.installerFile);
}

}  // namespace

RunReport RunUninstall(Installer& installer, HWND owner)
{
    RunReport report;
    if (!DeleteUninstallEntry(installer.targets.registryRoot, installer.targets.uninstallKey))
        report.failures.push_back("cannot delete the uninstall entry");
    RemoveGroup(installer.targets.commonPrograms, report);
    RemoveGroup(installer.targets.userPrograms, report);
    DeleteIfThere(In(installer.targets.desktop, std::string(kDesktopShortcut) + kShortcutExtension), report);
    RemoveProgramFiles(installer, owner, report);
    if (!report.failures.empty()) installer.hooks.warn(owner, FailureMessage("Uninstall", report.failures));
    return report;
}

}  // namespace inst
