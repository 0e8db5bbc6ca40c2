#include "library/roots.h"

#include "settings/limits.h"
#include "settings/text.h"

namespace pw {
namespace {

bool HasDriveLetter(std::string_view path)
{
    return path.size() >= 2 && path[1] == ':';
}

bool IsNetworkPath(std::string_view path)
{
    return path.size() >= 2 && path[0] == '\\' && path[1] == '\\';
}

// "\\server\share" of a network path: the text up to the second backslash after the leading two.
std::string_view SharePart(std::string_view path)
{
    std::size_t serverEnd = path.find('\\', 2);
    if (serverEnd == std::string_view::npos) return path;
    std::size_t shareEnd = path.find('\\', serverEnd + 1);
    return path.substr(0, shareEnd);
}

// The text after "\\server\share\" (empty when there is nothing after the share).
std::string_view AfterShare(std::string_view path)
{
    std::string_view share = SharePart(path);
    if (share.size() >= path.size()) return {};
    return path.substr(share.size() + 1);
}

void ExpandAppSourceDrive(std::string& path, std::string_view programFolder)
{
    if (!path.starts_with(kAppSourceDriveVariable)) return;
    std::string drive = HasDriveLetter(programFolder) ? std::string(programFolder.substr(0, 2)) : "c:";
    ReplaceFirst(path, kAppSourceDriveVariable, drive);
}

bool ExpandMyDocuments(std::string& path, const PathEnvironment& env)
{
    if (path.find(kMyDocumentsVariable) == std::string::npos) return true;
    std::optional<std::string> documents = env.documentsFolder ? env.documentsFolder() : std::nullopt;
    if (!documents) return false;
    ReplaceFirst(path, kMyDocumentsVariable, *documents);
    return true;
}

// A program started from a share reaches the "local" drive paths through that share.
void AdjustForNetwork(std::string& path, const PathEnvironment& env)
{
    if (!env.adjustForNetwork || path.empty() || !IsNetworkPath(env.programFolder) || !HasDriveLetter(path)) {
        return;
    }
    std::string_view rest = std::string_view(path).substr(2);
    if (rest.starts_with('\\')) rest.remove_prefix(1);
    std::string adjusted;
    if (JoinPath(adjusted, SharePart(env.programFolder), rest)) path = adjusted;
}

}  // namespace

bool ExpandPath(std::string& path, const PathEnvironment& env)
{
    ExpandAppSourceDrive(path, env.programFolder);
    bool success = ExpandMyDocuments(path, env);
    AdjustForNetwork(path, env);
    return success && env.exists && env.exists(path);
}

void MakeDriveRelative(std::string& path)
{
    if (path.starts_with(kAppSourceDriveVariable) || path.size() <= 2) return;
    std::string relative;
    if (HasDriveLetter(path)) {
        relative = std::string(kAppSourceDriveVariable) + path.substr(2);
    } else if (IsNetworkPath(path)) {
        if (!JoinPath(relative, kAppSourceDriveVariable, AfterShare(path))) return;
    } else {
        return;
    }
    if (relative.size() <= kMaxText) path = relative;
}

bool IsOnProgramDrive(std::string_view path, std::string_view programFolder)
{
    if (HasDriveLetter(programFolder)) return StartsWithNoCase(path, programFolder.substr(0, 2));
    if (IsNetworkPath(programFolder)) return StartsWithNoCase(path, SharePart(programFolder));
    return false;
}

int AddRoot(RootTable& table, std::string_view storedPath, std::string_view path, std::string_view alias,
            std::string_view extension, std::string_view defaultExtension)
{
    if (table.count >= kMaxRoots) return -1;
    PlaceRecord& root = table.roots[table.count];
    root = PlaceRecord{};
    root.inUse = 1;
    root.rootPath = path;
    root.storedRootPath = storedPath;
    root.alias = alias.empty() ? path : alias;
    root.folderPath = path;
    root.defaultExtension = extension.empty() ? defaultExtension : extension;
    CutPlaceFields(root);
    return table.count++;
}

int FindRootByName(const RootTable& table, std::string_view text)
{
    if (text.empty()) return -1;
    for (int i = 0; i < table.count; ++i) {
        const PlaceRecord& root = table.roots[i];
        if (EqualsNoCase(root.rootPath, text) || EqualsNoCase(root.alias, text)) return i;
    }
    return -1;
}

int FindRootForPath(const RootTable& table, std::string_view path, const PathEnvironment& env)
{
    for (int i = 0; i < table.count; ++i) {
        const std::string& stored = table.roots[i].storedRootPath;
        if (!stored.empty() && StartsWithNoCase(path, stored)) return i;
    }
    for (int i = 0; i < table.count; ++i) {
        std::string expanded = table.roots[i].storedRootPath;
        ExpandPath(expanded, env);
        if (!expanded.empty() && StartsWithNoCase(path, expanded)) return i;
    }
    return -1;
}

namespace {

void AddOrReport(BuiltRoots& built, std::string_view stored, std::string_view path, std::string_view alias,
                 std::string_view extension, std::string_view defaultExtension)
{
    if (AddRoot(built.table, stored, path, alias, extension, defaultExtension) < 0) {
        built.messages.emplace_back(kRootTableFullMessage);
    }
}

void AddAutomaticRoot(BuiltRoots& built, const std::string& folder, std::string_view alias,
                      const RootSettings& settings, const PathEnvironment& env)
{
    std::string expanded = folder;
    ExpandPath(expanded, env);  // only the network adjustment matters for these folders
    AddOrReport(built, folder, expanded, alias, {}, settings.defaultExtension);
}

}  // namespace

BuiltRoots BuildRootTable(const RootSettings& settings, const PathEnvironment& env)
{
    BuiltRoots built;
    std::size_t read = 0;
    for (const StoredRoot& entry : settings.basicRoots) {
        if (read++ >= static_cast<std::size_t>(kMaxRoots) || entry.key.empty()) break;
        std::string path = entry.key;
        if (!ExpandPath(path, env)) continue;  // a missing folder is left out without a word
        AddOrReport(built, entry.key, path, entry.value, entry.comment, settings.defaultExtension);
    }
    if (settings.autoAddMyDocuments && env.documentsFolder) {
        if (std::optional<std::string> documents = env.documentsFolder()) {
            AddAutomaticRoot(built, *documents, "My Documents", settings, env);
        }
    }
    if (settings.autoAddAmbervale && settings.ambervaleExists) {
        AddAutomaticRoot(built, "c:\\ambervale", "Ambervale", settings, env);
    }
    if (settings.autoAddCDrive) AddAutomaticRoot(built, "c:\\", "C: Drive", settings, env);
    int last = FindRootByName(built.table, settings.lastRoot);
    built.table.current = last < 0 ? 0 : last;
    return built;
}

int RootListSelection(const std::vector<std::string>& listTexts, std::string_view alias)
{
    for (std::size_t i = 0; i < listTexts.size(); ++i) {
        if (StartsWithNoCase(listTexts[i], alias)) return static_cast<int>(i);
    }
    return -1;
}

}  // namespace pw
