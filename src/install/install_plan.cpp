#include "install/install_plan.h"

#include <algorithm>

#include "install/install_names.h"
#include "install/text.h"

namespace inst {

std::optional<std::string> JoinPath(std::string_view folder, std::string_view name)
{
    std::string result(folder);
    if (!name.empty()) {
        const bool folderEnds = !folder.empty() && folder.back() == '\\';
        if (!folderEnds && name.front() != '\\') result += '\\';
        result += name;
    }
    if (result.size() > kMaxPath) return std::nullopt;
    return result;
}

bool IsUninstallCommandLine(std::string_view commandLine)
{
    return commandLine.find(kUninstallSwitch) != std::string_view::npos;
}

std::optional<std::string> UninstallCommand(std::string_view programFolder)
{
    const std::optional<std::string> installer = JoinPath(programFolder, kInstallerFile);
    if (!installer) return std::nullopt;
    return "\"" + *installer + "\" " + kUninstallSwitch;
}

InstallPlan PlanInstall(const std::vector<std::string>& entryNames, std::string_view programFolder)
{
    InstallPlan plan;
    for (const std::string& name : entryNames) {
        EntryName checked = CheckEntryName(name);
        // A name that fits the archive but not a path in the program folder would be cut or refused later,
        // half-way through the extraction: refuse it now.
        if (checked.problem == EntryProblem::None && !JoinPath(programFolder, checked.path))
            checked.problem = EntryProblem::TooLong;
        if (checked.problem != EntryProblem::None) {
            plan.entries.clear();
            plan.refusedName = name;
            plan.problem = checked.problem;
            return plan;
        }
        plan.entries.push_back({checked.path, checked.folder});
    }
    return plan;
}

std::string RefusedArchiveMessage(const InstallPlan& plan, std::string_view archive)
{
    return "The release archive " + std::string(archive) + " holds the entry \"" + plan.refusedName +
           "\": " + EntryProblemText(plan.problem) + ".\n\nNothing was installed.";
}

std::string ManifestText(const std::vector<std::string>& files)
{
    std::string text;
    std::vector<std::string> seen;
    for (const std::string& file : files) {
        const std::string key = LowerAscii(file);
        if (std::find(seen.begin(), seen.end(), key) != seen.end()) continue;
        seen.push_back(key);
        text += file + "\r\n";
    }
    return text;
}

std::vector<std::string> ParseManifest(std::string_view text)
{
    std::vector<std::string> files;
    for (std::string_view line : SplitLines(text)) {
        if (line.empty()) continue;
        const EntryName checked = CheckEntryName(line);
        if (checked.problem != EntryProblem::None || checked.folder) continue;
        files.push_back(checked.path);
    }
    return files;
}

}  // namespace inst
