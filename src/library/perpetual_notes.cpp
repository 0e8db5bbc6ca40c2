#include "library/perpetual_notes.h"

#include <string>
#include <vector>

#include "settings/limits.h"

namespace pw {

namespace {

std::vector<std::string> SplitParts(std::string_view value)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= value.size()) {
        std::size_t end = value.find(kPerpetualSeparator, start);
        if (end == std::string_view::npos) end = value.size();
        if (end > start) parts.push_back(Cut(value.substr(start, end - start)));
        start = end + 1;
    }
    return parts;
}

}  // namespace

std::optional<PlaceRecord> PerpetualPlace(std::string_view value, const RootTable& roots, const PathEnvironment& env,
                                          std::string_view defaultExtension)
{
    const std::vector<std::string> parts = SplitParts(value);
    if (parts.size() != 3 && parts.size() != 4) return std::nullopt;
    PlaceRecord place;
    place.inUse = 1;
    place.storedRootPath = parts[0];
    place.rootPath = parts[0];
    place.folderPath = parts[1];
    if (parts.size() == 4) place.selectedFolder = parts[2];
    place.file = parts.back();
    ExpandPath(place.rootPath, env);
    ExpandPath(place.folderPath, env);
    if (!place.selectedFolder.empty() && !JoinPath(place.fileFolder, place.folderPath, place.selectedFolder))
        return std::nullopt;
    place.alias = place.rootPath;
    place.defaultExtension = std::string(defaultExtension);
    const int root = FindRootByName(roots, place.rootPath);
    if (root >= 0) {
        const PlaceRecord& found = roots.roots[static_cast<std::size_t>(root)];
        place.alias = found.alias.empty() ? found.rootPath : found.alias;
        place.storedRootPath = found.storedRootPath;
        place.defaultExtension = found.defaultExtension;
    }
    CutPlaceFields(place);
    return place;
}

}  // namespace pw
