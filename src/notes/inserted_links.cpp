#include "notes/inserted_links.h"

#include "settings/text.h"

namespace pw {
namespace {

// The address without "http://" or "https://"; a scheme without the two slashes is dropped alone, so that
// the label never loses characters of the address itself.
std::string_view Label(std::string_view address)
{
    for (std::string_view scheme : {"https://", "http://", "https:", "http:"}) {
        if (StartsWithNoCase(address, scheme)) return address.substr(scheme.size());
    }
    return address;
}

}  // namespace

std::string DroppedTextInsertion(std::string_view text, bool httpsAsLink)
{
    const bool link = StartsWithNoCase(text, "http:") || (httpsAsLink && StartsWithNoCase(text, "https:"));
    if (!link) return std::string(text);
    return "[ " + std::string(Label(text)) + " ]( " + std::string(text) + " )";
}

std::string ImageLinkText(std::string_view fileName, std::string_view linkType)
{
    const std::string name(fileName);
    const std::string folder(kImageFolder);
    if (EqualsNoCase(linkType, "Wiki")) return "[$ " + folder + "\\" + name + " $]";
    return "![ " + name + " ](" + folder + "/" + name + ")";
}

}  // namespace pw
