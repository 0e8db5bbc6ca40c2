// Folder-level settings: a folder's own "pagewick.fw" overrides its root's file, which overrides the store.
#include "settings/settings_store.h"
#include "settings/text.h"

namespace pw {

namespace {

// A value that no one writes: getting it back means the layer does not hold the key.
constexpr std::string_view kAbsentMarker = "$$123$$";

std::optional<std::string> LayerValue(FileAccess& files, const std::string& path, std::string_view key)
{
    if (path.empty() || !files.FileExists(path)) return std::nullopt;
    std::string value = ReadIniValue(files, path, "General", key, kAbsentMarker);
    if (value == kAbsentMarker) return std::nullopt;
    return value;
}

std::string LayerFile(const std::string& folder, std::string_view name)
{
    std::string path;
    if (folder.empty() || !JoinPath(path, folder, name)) return std::string();
    return path;
}

std::string RootLayerFile(FileAccess& files, const std::string& rootFolder)
{
    const std::string earlier = LayerFile(rootFolder, "ferrowind.fw");
    if (!earlier.empty() && files.FileExists(earlier)) return earlier;
    return LayerFile(rootFolder, "pagewick.fw");
}

}  // namespace

std::string FolderSetting(SettingsStore& store, const std::string& currentFolder, const std::string& rootFolder,
                          std::string_view key, std::string_view fallback)
{
    FileAccess& files = store.Files();
    const std::string& folder = currentFolder.empty() ? rootFolder : currentFolder;
    if (auto value = LayerValue(files, LayerFile(folder, "pagewick.fw"), key)) return *value;
    if (auto value = LayerValue(files, RootLayerFile(files, rootFolder), key)) return *value;
    return store.GetString(key, fallback);
}

}  // namespace pw
