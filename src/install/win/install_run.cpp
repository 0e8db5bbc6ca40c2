#include "install/win/install_run.h"

#include "install/install_names.h"
#include "install/install_plan.h"
#include "install/win/archive.h"
#include "install/win/files.h"
#include "install/win/system_entries.h"

namespace inst {
namespace {

std::string In(const std::string& folder, const char* name)
{
    return JoinPath(folder, name).value_or("");
}

// The manifest keeps every file any install wrote here, so an older version's files go on uninstall too.
void RecordManifest(const std::string& programFolder, const std::vector<std::string>& written, RunReport& report)
{
    const std::string manifest = In(programFolder, kManifestFile);
    std::vector<std::string> files = ParseManifest(ReadWholeFile(manifest).value_or(""));
    files.insert(files.end(), written.begin(), written.end());
    files.push_back(kInstallerFile);
    if (!WriteWholeFile(manifest, ManifestText(files)))
        report.failures.push_back("cannot write " + manifest + ": " + SystemErrorText(GetLastError()));
}

void PrepareSettings(Installer& installer, const std::string& programFolder, HWND owner, RunReport& report)
{
    const std::string settings = In(programFolder, kSettingsFile);
    // A reinstall keeps the user's settings; the earlier product's are offered only to a folder without any,
    // so taking them over never overwrites settings in use.
    if (FileExists(settings)) return;
    const std::string& old = installer.targets.oldSettingsFile;
    if (!old.empty() && FileExists(old) && installer.hooks.useOldSettings(owner)) {
        if (!MoveFileExA(old.c_str(), settings.c_str(), MOVEFILE_COPY_ALLOWED))
            report.failures.push_back("cannot move " + old + " to " + settings + ": " +
                                      SystemErrorText(GetLastError()));
        return;
    }
    const std::string defaults = In(programFolder, kDefaultSettingsFile);
    if (!CopyFileA(defaults.c_str(), settings.c_str(), TRUE))
        report.failures.push_back("cannot copy " + defaults + " to " + settings + ": " +
                                  SystemErrorText(GetLastError()));
}

// Unpacks the archive; false when it was refused and the install must stop.
bool Unpack(Installer& installer, const std::string& programFolder, HWND owner, RunReport& report)
{
    const std::string& archive = installer.state.archivePath;
    std::vector<std::string> names;
    if (!ReadEntryNames(archive, names)) {
        report.failures.push_back("cannot read the archive " + archive);
        return true;
    }
    const InstallPlan plan = PlanInstall(names, programFolder);
    if (!plan.ok()) {
        report.stopped = true;
        installer.hooks.warn(owner, RefusedArchiveMessage(plan, archive));
        return false;
    }
    const ExtractResult extracted = ExtractArchive(archive, programFolder, plan);
    if (!extracted.ok()) report.failures.push_back(extracted.error);
    RecordManifest(programFolder, extracted.files, report);
    PrepareSettings(installer, programFolder, owner, report);
    return true;
}

void MoveInstaller(const InstallTargets& targets, const std::string& programFolder)
{
    const std::string target = In(programFolder, kInstallerFile);
    if (lstrcmpiA(targets.installerFile.c_str(), target.c_str()) == 0) return;
    // Windows can move a running program's file on its own volume; across volumes a copy serves the
    // uninstall command just as well. Either failing is no harm to the installation.
    if (!MoveFileExA(targets.installerFile.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING))
        CopyFileA(targets.installerFile.c_str(), target.c_str(), FALSE);
}

void CreateShortcuts(Installer& installer, const std::string& program, RunReport& report)
{
    ComScope com;
    const std::string group = In(installer.targets.commonPrograms, kShortcutGroup);
    const std::string menuLink = In(group, kMenuShortcut) + kShortcutExtension;
    if (group.empty() || !CreateFolderTree(group))
        report.failures.push_back("cannot create the start menu folder " + group);
    else if (std::string error = CreateShortcut(menuLink, program, kShortcutDescription); !error.empty())
        report.failures.push_back(menuLink + ": " + error);
    if (!installer.state.desktopShortcut) return;
    const std::string desktopLink = In(installer.targets.desktop, kDesktopShortcut) + kShortcutExtension;
    if (std::string error = CreateShortcut(desktopLink, program, kShortcutDescription); !error.empty())
        report.failures.push_back(desktopLink + ": " + error);
}

void Launch(const std::string& program, const std::string& programFolder, RunReport& report)
{
    std::string commandLine = "\"" + program + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, programFolder.c_str(),
                        &startup, &process)) {
        report.failures.push_back("cannot start " + program + ": " + SystemErrorText(GetLastError()));
        return;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

}  // namespace

std::string FailureMessage(const char* action, const std::vector<std::string>& failures)
{
    std::string text = std::string(action) + " did not finish everything:\n";
    for (const std::string& failure : failures) text += "\n- " + failure;
    return text;
}

RunReport RunInstall(Installer& installer, HWND owner)
{
    RunReport report;
    const std::string programFolder = ProgramFolder(installer);
    const bool folderIsNew = !FolderExists(programFolder);
    if (programFolder.empty() || !CreateFolderTree(programFolder)) {
        report.stopped = true;
        installer.hooks.warn(owner, "Cannot create the program folder " + programFolder + ": " +
                                        SystemErrorText(GetLastError()) + "\n\nNothing was installed.");
        return report;
    }
    const std::string installerFolder = InstallerFolder(installer.targets);
    installer.state.archivePath = FindFirstMatch(installerFolder, kArchivePattern);
    if (!installer.state.archivePath.empty()) {
        if (!Unpack(installer, programFolder, owner, report)) {
            // A refused archive leaves no trace: the folder made for it goes again (only when still empty).
            if (folderIsNew) RemoveDirectoryA(programFolder.c_str());
            return report;
        }
        DeleteFileA(installer.state.archivePath.c_str());
    }
    if (!installer.state.licenceFile.empty()) DeleteFileA(installer.state.licenceFile.c_str());
    MoveInstaller(installer.targets, programFolder);

    const std::string program =
        installer.targets.programFile.empty() ? In(programFolder, kProgramFile) : installer.targets.programFile;
    CreateShortcuts(installer, program, report);
    if (std::string error = WriteUninstallEntry(installer.targets.registryRoot, installer.targets.uninstallKey,
                                                UninstallCommand(programFolder).value_or(""));
        !error.empty())
        report.failures.push_back(error);
    if (installer.state.launchAfterInstall) Launch(program, programFolder, report);
    if (!report.failures.empty()) installer.hooks.warn(owner, FailureMessage("Install", report.failures));
    return report;
}

std::string LicenceText(Installer& installer)
{
    std::string& file = installer.state.licenceFile;
    if (file.empty() || !FileExists(file)) {
        const std::string folder = InstallerFolder(installer.targets);
        const std::string archive = FindFirstMatch(folder, kArchivePattern);
        const std::string target = In(folder, kLicenceFile);
        if (archive.empty() || !ExtractEntry(archive, kLicenceEntry, target)) return {};
        file = target;
    }
    return ReadWholeFile(file).value_or("");
}

}  // namespace inst
