#include "dialogs/root_rules.h"

#include "library/perpetual_notes.h"
#include "settings/limits.h"
#include "settings/text.h"

namespace pw {
namespace {

bool AnyEmpty(std::string_view path, std::string_view alias, std::string_view extension)
{
    return path.empty() || alias.empty() || extension.empty();
}

// Runs of separators count as one, as when the value is read.
std::vector<std::string> ValueParts(std::string_view value)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= value.size()) {
        std::size_t end = value.find(kPerpetualSeparator, start);
        if (end == std::string_view::npos) end = value.size();
        if (end > start) parts.emplace_back(value.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

}  // namespace

RootProblem CheckRootToAdd(std::string_view path, std::string_view alias, std::string_view extension,
                           const std::vector<std::string>& listedPaths)
{
    for (const std::string& listed : listedPaths) {
        if (!path.empty() && EqualsNoCase(listed, path)) return RootProblem::Duplicate;
    }
    return AnyEmpty(path, alias, extension) ? RootProblem::MissingField : RootProblem::None;
}

RootProblem CheckRootEdit(std::string_view path, std::string_view alias, std::string_view extension)
{
    return AnyEmpty(path, alias, extension) ? RootProblem::MissingField : RootProblem::None;
}

std::string RootExtensionText(std::string_view extension)
{
    if (extension.starts_with('.')) return std::string(extension);
    return "." + std::string(extension);
}

RemotePathResult MakeRemotePath(std::string& path, std::string_view programFolder)
{
    if (path.starts_with(kAppSourceDriveVariable)) return RemotePathResult::Unchanged;
    if (!IsOnProgramDrive(path, programFolder)) return RemotePathResult::NotOnProgramDrive;
    const std::string before = path;
    MakeDriveRelative(path);
    return path == before ? RemotePathResult::Unchanged : RemotePathResult::Changed;
}

std::optional<std::string> PerpetualNoteValue(std::string_view path, const RootTable& roots, const PathEnvironment& env)
{
    if (path.size() < 2) return std::nullopt;
    const int root = FindRootForPath(roots, path, env);
    if (root < 0) return std::nullopt;
    const std::string& rootPath = roots.roots[static_cast<std::size_t>(root)].storedRootPath;
    const std::size_t fileCut = path.rfind('\\');
    if (fileCut == std::string_view::npos || fileCut < 1) return std::nullopt;
    const std::size_t folderCut = path.rfind('\\', fileCut - 1);
    if (folderCut == std::string_view::npos || folderCut < 1) return std::nullopt;
    const std::string_view parent = path.substr(0, folderCut);
    const std::string_view folder = path.substr(folderCut + 1, fileCut - folderCut - 1);
    const std::string_view file = path.substr(fileCut + 1);
    if (rootPath.empty() || parent.empty() || folder.empty() || file.empty()) return std::nullopt;
    std::string value = rootPath + "|" + std::string(parent) + "|" + std::string(folder) + "|" + std::string(file);
    if (value.size() > kMaxText) return std::nullopt;
    return value;
}

std::string PerpetualNotePath(std::string_view value)
{
    const std::vector<std::string> parts = ValueParts(value);
    std::string folder;
    std::string path;
    if (parts.size() == 4) {
        if (!JoinPath(folder, parts[1], parts[2]) || !JoinPath(path, folder, parts[3])) return {};
    } else if (parts.size() == 3) {
        if (!JoinPath(path, parts[1], parts[2])) return {};
    }
    return path;
}

}  // namespace pw
