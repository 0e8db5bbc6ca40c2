#include "install/uninstall_plan.h"

#include <algorithm>
#include <set>

#include "install/install_names.h"
#include "install/text.h"

namespace inst {
namespace {

// How many kept names the warning lists before it only counts the rest.
constexpr std::size_t kKeptNamesShown = 15;

std::string ParentOf(std::string_view path)
{
    const std::size_t slash = path.rfind('\\');
    return slash == std::string_view::npos ? std::string() : std::string(path.substr(0, slash));
}

std::string FirstComponent(std::string_view path)
{
    return std::string(path.substr(0, path.find('\\')));
}

bool IsOursToDelete(const std::string& path, const std::set<std::string>& manifest)
{
    return manifest.count(LowerAscii(path)) > 0 || IsPagewickFile(path);
}

std::size_t Depth(std::string_view path)
{
    return static_cast<std::size_t>(std::count(path.begin(), path.end(), '\\'));
}

}  // namespace

bool IsPagewickFile(std::string_view path)
{
    const std::string lower = LowerAscii(path);
    for (const char* own : {kSettingsFile, kLogFile, kManifestFile, kInstallerFile})
        if (lower == LowerAscii(own)) return true;
    const std::string parent = LowerAscii(ParentOf(lower));
    const std::string top = FirstComponent(lower);
    if (top == kFileInfoFolder && parent != "" && EndsWithNoCase(lower, ".fw")) return true;
    return parent == kSupportFolder && EndsWithNoCase(lower, ".css");
}

bool IsKnownFolderName(std::string_view name)
{
    for (const char* known : {"support", "file_info", "help"})
        if (EqualsNoCase(name, known) || EndsWithNoCase(name, known)) return true;
    return false;
}

UninstallPlan PlanUninstall(const std::vector<TreeItem>& tree, const std::vector<std::string>& manifest)
{
    std::set<std::string> listed;
    for (const std::string& file : manifest) listed.insert(LowerAscii(file));

    UninstallPlan plan;
    std::set<std::string> staying;  // lower-case folders that keep something, and so stay themselves
    std::vector<const TreeItem*> keptItems;
    for (const TreeItem& item : tree) {
        if (item.folder) continue;
        if (IsOursToDelete(item.path, listed)) {
            if (!EqualsNoCase(item.path, kInstallerFile)) plan.deleteFiles.push_back(item.path);
            continue;
        }
        keptItems.push_back(&item);
        for (std::string p = ParentOf(item.path); !p.empty(); p = ParentOf(p)) staying.insert(LowerAscii(p));
    }
    // A folder with nothing of ours in it is the user's: it stays whole, even when empty.
    std::set<std::string> ours;
    for (const std::string& file : plan.deleteFiles)
        for (std::string p = ParentOf(file); !p.empty(); p = ParentOf(p)) ours.insert(LowerAscii(p));
    for (const TreeItem& item : tree) {
        if (!item.folder) continue;
        const std::string lower = LowerAscii(item.path);
        if (ours.count(lower) == 0 && !IsKnownFolderName(item.path.substr(item.path.rfind('\\') + 1))) {
            keptItems.push_back(&item);
            for (std::string p = lower; !p.empty(); p = ParentOf(p)) staying.insert(p);
        }
    }
    for (const TreeItem& item : tree)
        if (item.folder && staying.count(LowerAscii(item.path)) == 0) plan.removeFolders.push_back(item.path);
    std::stable_sort(plan.removeFolders.begin(), plan.removeFolders.end(),
                     [](const std::string& a, const std::string& b) { return Depth(a) > Depth(b); });

    // Report each kept thing at the highest level that is the user's: a foreign folder, not its contents.
    for (const TreeItem* item : keptItems) {
        bool insideForeign = false;
        for (const TreeItem* other : keptItems)
            if (other != item && other->folder && LowerAscii(item->path).starts_with(LowerAscii(other->path) + "\\"))
                insideForeign = true;
        if (insideForeign) continue;
        plan.kept.push_back(item->path + (item->folder ? "\\" : ""));
        if (item->folder && item->path.find('\\') == std::string::npos) plan.unknownFolder = true;
    }
    std::sort(plan.kept.begin(), plan.kept.end());
    plan.removeProgramFolder = plan.kept.empty();
    return plan;
}

std::string KeptMessage(const UninstallPlan& plan, std::string_view programFolder)
{
    if (plan.kept.empty()) return {};
    std::string text = "Cannot delete directory " + std::string(programFolder) + "\n\n";
    text += plan.unknownFolder ? "(Unknown folder in Pagewick folder)" : "(Files Pagewick did not install are in it)";
    text += "\n\nThese stay where they are:";
    for (std::size_t n = 0; n < plan.kept.size() && n < kKeptNamesShown; ++n) text += "\n" + plan.kept[n];
    if (plan.kept.size() > kKeptNamesShown)
        text += "\nand " + std::to_string(plan.kept.size() - kKeptNamesShown) + " more";
    return text;
}

}  // namespace inst
