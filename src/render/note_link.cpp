#include "render/note_link.h"

#include "settings/limits.h"

namespace pw {
namespace {

constexpr std::string_view kSchemeAndColon = "fw:";
constexpr std::string_view kEncodedBlank = "%20";
// "/" is a folder separator to the file system as much as "\": left in, a link such as "fw:../x" would create
// its note outside the current folder.
constexpr std::string_view kUnsafeInName = "%:?[\\]/";

std::string DecodeBlanks(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.substr(i, kEncodedBlank.size()) == kEncodedBlank) {
            out += ' ';
            i += kEncodedBlank.size() - 1;
        } else {
            out += text[i];
        }
    }
    return out;
}

}  // namespace

std::string NoteNameFromLink(std::string_view link)
{
    link = link.substr(0, kMaxText);
    if (link.size() <= kSchemeAndColon.size()) return {};
    return DecodeBlanks(link.substr(kSchemeAndColon.size()));
}

std::string NoteFileNameForLink(std::string_view name, std::string_view extension)
{
    std::string fileName = DecodeBlanks(std::string(name) + std::string(extension));
    for (char& c : fileName) {
        if (kUnsafeInName.find(c) != std::string_view::npos) c = '_';
    }
    return Cut(fileName);
}

}  // namespace pw
