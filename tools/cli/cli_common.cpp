#include "cli_common.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <system_error>

#if defined(_WIN32)
#include <fcntl.h>
#include <io.h>
#endif

#include "verbs.h"

namespace pwcli {

std::optional<std::string> ReadBytes(const fs::path& path)
{
    std::error_code error;
    if (!fs::is_regular_file(path, error)) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::optional<std::string> DiskFiles::ReadFile(const std::string& path)
{
    std::error_code error;
    if (!fs::exists(path, error)) return std::nullopt;
    return ReadBytes(path).value_or(std::string());
}
bool DiskFiles::ReplaceWhole(const std::string& path, std::string_view bytes)
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
bool DiskFiles::FileExists(const std::string& path)
{
    std::error_code error;
    return fs::exists(path, error);
}

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
    std::fputs("usage:\n", stderr);
    for (const Verb& verb : kVerbs) std::fprintf(stderr, "  pagewick-cli %s\n", verb.usage);
    return 2;
}

int CannotRead(const std::string& path)
{
    std::fprintf(stderr, "pagewick-cli: cannot read %s\n", path.c_str());
    return 1;
}

}  // namespace pwcli
