// pagewick-cli export: a root as a folder of static pages, with the program's pipeline and style sheet.
#include <cstdio>
#include <string>
#include <string_view>

#include "cli_common.h"
#include "render/export_files.h"
#include "render/page.h"
#include "settings/settings_store.h"
#include "verbs.h"

namespace pwcli {
namespace {

// The style sheet beside a settings file (its MarkupCSS in "support"), else the default one of the sources.
fs::path StyleSheetFor(const std::string& settingsPath, const pw::SettingsStore& store)
{
    const std::string name = store.GetString("MarkupCSS", "markup.css");
    if (!settingsPath.empty()) return fs::absolute(settingsPath).parent_path() / "support" / name;
    return fs::path(PW_SOURCE_SUPPORT) / name;
}

int Export(const std::string& root, const std::string& out, const std::string& settingsPath)
{
    DiskFiles files;
    pw::SettingsStore store(files);
    if (!settingsPath.empty()) {
        if (!files.FileExists(settingsPath)) return CannotRead(settingsPath);
        store.Load(settingsPath);
    }
    pw::ExportRequest request;
    request.root = root;
    request.out = out;
    request.styleSheet = StyleSheetFor(settingsPath, store);
    request.rootExtension = store.GetString("DefaultExtension", ".txt");
    request.report = [](const std::string& problem) { std::fprintf(stderr, "pagewick-cli: %s\n", problem.c_str()); };
    const pw::ExportResult result = pw::ExportRoot(request, store);
    if (!result.started) {
        std::fprintf(stderr, "pagewick-cli: %s\n", result.message.c_str());
        return 1;
    }
    std::printf("%d pages, %d pictures, %d folders written to %s\n", result.pages, result.pictures, result.folders,
                out.c_str());
    return result.unreadable > 0 ? 1 : 0;
}

}  // namespace

int ExportVerb(std::span<char* const> args)
{
    if (args.size() == 2) return Export(args[0], args[1], {});
    if (args.size() == 4 && std::string_view(args[2]) == "--settings") return Export(args[0], args[1], args[3]);
    return 2;
}

}  // namespace pwcli
