// Path rules on byte strings. Both separators are understood when taking paths apart, because paths come
// from the user and from other programs as well as from the system.
#include "settings/limits.h"
#include "settings/text.h"

namespace pw {

namespace {

bool IsSeparator(char c)
{
    return c == '\\' || c == '/';
}

// Length of the drive and folder part: up to the last separator, or the drive letter and colon alone.
std::size_t FolderLength(std::string_view path)
{
    const std::size_t last = path.find_last_of("\\/");
    if (last != std::string_view::npos) return last + 1;
    if (path.size() >= 2 && path[1] == ':') return 2;
    return 0;
}

}  // namespace

bool JoinPath(std::string& out, std::string_view folder, std::string_view name)
{
    const bool separator = !name.empty() && !(!folder.empty() && folder.back() == '\\') && name.front() != '\\';
    const std::size_t length = folder.size() + (separator ? 1 : 0) + name.size();
    if (length > kMaxText) return false;
    std::string joined(folder);
    if (separator) joined += '\\';
    joined += name;
    out = std::move(joined);
    return true;
}

std::string FolderOf(std::string_view path)
{
    return std::string(path.substr(0, FolderLength(path)));
}

std::string FileNameOf(std::string_view path)
{
    return std::string(path.substr(FolderLength(path)));
}

std::string ExtensionOf(std::string_view path)
{
    const std::string_view name = path.substr(FolderLength(path));
    const std::size_t dot = name.rfind('.');
    return dot == std::string_view::npos ? std::string() : std::string(name.substr(dot));
}

std::string CollapseBackslashes(std::string_view path)
{
    if (path.empty() || path.size() > kMaxText + 1) return std::string(path);
    std::string out(1, path.front());
    for (std::size_t i = 1; i < path.size(); ++i) {
        // A leading pair (a network path) is kept: only a backslash after a later one is dropped.
        if (path[i] == '\\' && out.size() >= 2 && out.back() == '\\') continue;
        out += path[i];
    }
    return out;
}

std::string SetSeparators(std::string_view path, char sep)
{
    if (path.empty() || path.size() > kMaxText + 1) return std::string();
    std::string out(path);
    for (char& c : out) {
        if (IsSeparator(c)) c = sep;
    }
    return CollapseBackslashes(out);
}

}  // namespace pw
