// pagewick-cli: the pages Pagewick renders, on standard output, for checks and scripts.
//   pagewick-cli render FILE [--settings INI]   the page View mode shows for FILE
//   pagewick-cli wiki FILE                      the wiki converter's output alone (line breaks on)
// Standard output is binary, so the bytes are the same on every system.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

#if defined(_WIN32)
#include <fcntl.h>
#include <io.h>
#endif

#include "render/image_page.h"
#include "render/view_page.h"
#include "render/wiki.h"
#include "settings/ini_file.h"
#include "settings/settings_store.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kUsage =
    "usage: pagewick-cli render FILE [--settings INI]\n"
    "       pagewick-cli wiki FILE\n";

std::optional<std::string> ReadBytes(const fs::path& path)
{
    std::error_code error;
    if (!fs::is_regular_file(path, error)) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Real files for the settings store.
class DiskFiles : public pw::FileAccess {
public:
    std::optional<std::string> ReadFile(const std::string& path) override
    {
        std::error_code error;
        if (!fs::exists(path, error)) return std::nullopt;
        return ReadBytes(path).value_or(std::string());
    }
    bool ReplaceWhole(const std::string& path, std::string_view bytes) override
    {
        const std::string temp = path + ".tmp";
        {
            std::ofstream out(temp, std::ios::binary | std::ios::trunc);
            if (!out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()))) return false;
        }
        std::error_code error;
        fs::rename(temp, path, error);
        return !error;
    }
    bool FileExists(const std::string& path) override
    {
        std::error_code error;
        return fs::exists(path, error);
    }
};

void WriteOut(std::string_view text)
{
#if defined(_WIN32)
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fflush(stdout);
}

int Usage()
{
    std::fputs(kUsage, stderr);
    return 2;
}

int CannotRead(const std::string& path)
{
    std::fprintf(stderr, "pagewick-cli: cannot read %s\n", path.c_str());
    return 1;
}

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

int main(int argc, char** argv)
{
    if (argc < 3) return Usage();
    const std::string command = argv[1];
    const std::string file = argv[2];
    if (command == "wiki" && argc == 3) return Wiki(file);
    if (command != "render") return Usage();
    if (argc == 3) return Render(file, {});
    if (argc == 5 && std::string_view(argv[3]) == "--settings") return Render(file, argv[4]);
    return Usage();
}
