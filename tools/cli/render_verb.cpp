// pagewick-cli render and wiki: the page View mode shows for a note, and the wiki converter's output alone.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

#include "cli_common.h"
#include "render/image_page.h"
#include "render/view_page.h"
#include "render/wiki.h"
#include "settings/ini_file.h"
#include "settings/settings_store.h"
#include "verbs.h"

namespace pwcli {

namespace {

std::string FolderText(const fs::path& file)
{
    std::error_code error;
    fs::path absolute = fs::absolute(file, error);
    return error ? std::string() : absolute.parent_path().make_preferred().string();
}

int Render(const std::string& file, const std::string& settingsPath)
{
    std::optional<std::string> bytes = ReadBytes(file);
    if (!bytes) return CannotRead(file);
    DiskFiles files;
    pw::SettingsStore store(files);
    pw::ViewPageInput input{file, std::move(*bytes), FolderText(file), {}, {}};
    input.styleSheetName = pw::CurrentStyleSheet({}, pw::kDefaultStyleSheet);
    if (!settingsPath.empty()) {
        if (!files.FileExists(settingsPath)) return CannotRead(settingsPath);
        store.Load(settingsPath);
        input.styleSheetName = pw::CurrentStyleSheet({}, store.GetString("MarkupCSS", pw::kDefaultStyleSheet));
        fs::path sheet = fs::absolute(settingsPath).parent_path() / "support" / input.styleSheetName;
        std::error_code error;
        if (fs::is_regular_file(sheet, error)) input.styleSheetPath = sheet.make_preferred().string();
    }
    WriteOut(pw::ViewPageText(input, store));
    return 0;
}

int Wiki(const std::string& file)
{
    std::optional<std::string> bytes = ReadBytes(file);
    if (!bytes) return CannotRead(file);
    WriteOut(pw::WikiConvertDocument(*bytes, true));
    return 0;
}

}  // namespace

int RenderVerb(std::span<char* const> args)
{
    if (args.size() == 1) return Render(args[0], {});
    if (args.size() == 3 && std::string_view(args[1]) == "--settings") return Render(args[0], args[2]);
    return 2;
}

int WikiVerb(std::span<char* const> args)
{
    if (args.size() != 1) return 2;
    return Wiki(args[0]);
}

}  // namespace pwcli
