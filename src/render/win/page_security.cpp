// Rendered notes are local files in the temporary folder, and a note's text is anybody's: the download control
// that the site answers for note pages keeps script, Java and ActiveX away from them in every zone (a note may
// carry a "saved from" comment that moves its page to another zone). The process-wide local-machine lockdown is
// not used: it would also stop the image page, which fits its picture with a style expression.
#include "render/win/page_security.h"

#include <windows.h>
#include <mshtmdid.h>
#include <urlmon.h>

#include <cctype>

#include "render/win/render_temp.h"
#include "settings/text.h"

namespace pw {
namespace {

int HexValue(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    const int lower = std::tolower(static_cast<unsigned char>(c));
    return lower >= 'a' && lower <= 'f' ? lower - 'a' + 10 : -1;
}

// "%20" and its kind become the byte they stand for; a "%" without two hex digits stays.
std::string PercentDecoded(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const int high = text[i] == '%' && i + 2 < text.size() ? HexValue(text[i + 1]) : -1;
        const int low = high >= 0 ? HexValue(text[i + 2]) : -1;
        if (low < 0) {
            out += text[i];
            continue;
        }
        out += static_cast<char>(high * 16 + low);
        i += 2;
    }
    return out;
}

// Short (8.3) and long folder names name the same page.
std::string LongPath(const std::string& path)
{
    char buffer[MAX_PATH] = {};
    const DWORD n = GetLongPathNameA(path.c_str(), buffer, sizeof(buffer));
    return n > 0 && n < sizeof(buffer) ? std::string(buffer, n) : path;
}

}  // namespace

long NotePageDownloadControl()
{
    return DLCTL_DLIMAGES | DLCTL_VIDEOS | DLCTL_BGSOUNDS | DLCTL_NO_SCRIPTS | DLCTL_NO_JAVA | DLCTL_NO_RUNACTIVEXCTLS |
           DLCTL_NO_DLACTIVEXCTLS;
}

std::string LocalPathOf(const std::string& address)
{
    constexpr std::size_t kScheme = 5;  // "file:"
    if (!StartsWithNoCase(address, "file:")) return address;
    // "file:///C:/x" (or "file://C:/x") names a drive path, "file://server/share/x" a network one.
    std::size_t end = kScheme;
    while (end < address.size() && address[end] == '/') ++end;
    const std::string rest = address.substr(end);
    const bool drive = rest.size() >= 2 && std::isalpha(static_cast<unsigned char>(rest[0])) && rest[1] == ':';
    std::string path = PercentDecoded(!drive && end - kScheme == 2 ? "//" + rest : rest);
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}

bool IsNotePage(const std::string& address)
{
    return !address.empty() && IsRenderTempPage(LongPath(LocalPathOf(address)));
}

}  // namespace pw
