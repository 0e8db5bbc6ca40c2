#include "library/win/help.h"

#include "library/history.h"
#include "library/win/history.h"
#include "library/win/library_state.h"
#include "library/win/root_list.h"
#include "settings/text.h"
#include "settings/win/settings_win.h"

namespace pw {
namespace {

constexpr char kHelpAlias[] = "Help";
constexpr char kHelpExtension[] = ".txt";
constexpr char kHelpFile[] = "1_help.txt";

std::string HelpFolder()
{
    std::string folder;
    if (!JoinPath(folder, ProgramFolder(), "support\\help")) return {};
    ExpandPath(folder, MachinePaths());
    return folder;
}

}  // namespace

void LoadHelpPlace()
{
    PlaceRecord place;
    const std::string folder = HelpFolder();
    if (!folder.empty()) {
        place.inUse = 1;
        place.rootPath = place.storedRootPath = place.folderPath = folder;
        place.alias = kHelpAlias;
        place.file = kHelpFile;
        place.defaultExtension = kHelpExtension;
    }
    PlaceSlot(kHelpSlot) = place;
}

void OpenHelpNote()
{
    const PlaceRecord& help = PlaceSlot(kHelpSlot);
    if (!help.inUse) return;
    // The root is looked for by its folder, so that another root whose alias begins with "Help" never hides it.
    if (FindRootByName(Roots(), help.rootPath) < 0) {
        if (AddRuntimeRoot(help.storedRootPath, help.rootPath, kHelpAlias, kHelpExtension) < 0) return;
        FillRootList();
    }
    OpenSlot(kFirstSlotCommand + kHelpSlot);
}

}  // namespace pw
