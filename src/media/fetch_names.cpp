#include "media/fetch_names.h"

#include "settings/limits.h"
#include "settings/text.h"

namespace pw {
namespace {

void ReplaceEvery(std::string& text, std::string_view what, std::string_view with)
{
    std::size_t at = 0;
    while ((at = text.find(what, at)) != std::string::npos) {
        text.replace(at, what.size(), with);
        at += with.size();
    }
}

std::string LastComponent(const std::string& text)
{
    if (text.find('/') == std::string::npos) return text;
    std::size_t slash = text.rfind('/');
    if (slash + 1 == text.size()) {
        if (slash == 0) return text;
        slash = text.rfind('/', slash - 1);
        if (slash == std::string::npos) return text;
    }
    return text.substr(slash + 1);
}

bool OnlyDotsAndBlanks(std::string_view name)
{
    return name.find_first_not_of(". ") == std::string_view::npos;
}

}  // namespace

bool IsReservedDeviceName(std::string_view name)
{
    std::string_view base = name.substr(0, name.find('.'));
    while (!base.empty() && base.back() == ' ') base.remove_suffix(1);
    for (std::string_view device : {"CON", "PRN", "AUX", "NUL"}) {
        if (EqualsNoCase(base, device)) return true;
    }
    if (base.size() != 4 || base[3] < '1' || base[3] > '9') return false;
    return EqualsNoCase(base.substr(0, 3), "COM") || EqualsNoCase(base.substr(0, 3), "LPT");
}

std::string FetchedFileName(std::string_view text)
{
    std::string name(text.substr(0, kMaxAddressNameText));
    name = name.substr(0, name.find('&'));
    ReplaceEvery(name, "%2F", "/");
    name = LastComponent(name);
    ReplaceEvery(name, "%20", " ");
    ReplaceEvery(name, "%3A", ":");
    for (char& c : name) {
        if (c == ' ' || c == '%' || c == '/' || c == ':' || c == '?' || c == '\\') c = '_';
    }
    // Control bytes and the rest of what Windows refuses in a name are as unsafe as a separator.
    for (char& c : name) {
        if (static_cast<unsigned char>(c) < 0x20 || c == '*' || c == '"' || c == '<' || c == '>' || c == '|') c = '_';
    }
    if (OnlyDotsAndBlanks(name) || IsReservedDeviceName(name)) name.insert(0, "_");
    return Cut(name);
}

std::string_view SniffedExtension(std::string_view body)
{
    const std::string_view head = body.substr(0, kSniffBytes);
    if (head.find("PNG") != std::string_view::npos) return ".png";
    if (head.find("JFIF") != std::string_view::npos) return ".jpg";
    if (head.substr(0, 2) == "BM") return ".bmp";
    if (head.substr(0, 3) == "GIF") return ".gif";
    return {};
}

std::string CorrectExtension(std::string_view path, std::string_view body)
{
    const std::string_view sniffed = SniffedExtension(body);
    const std::string current = ExtensionOf(path);
    if (sniffed.empty() || EqualsNoCase(current, sniffed)) return std::string(path);
    std::string corrected(path.substr(0, path.size() - current.size()));
    corrected.append(sniffed);
    return corrected;
}

}  // namespace pw
