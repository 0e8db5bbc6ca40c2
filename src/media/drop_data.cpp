#include "media/drop_data.h"

#include <cctype>
#include <charconv>

#include "media/fetch_names.h"
#include "render/entities.h"
#include "settings/limits.h"
#include "settings/text.h"

namespace pw {
namespace {

constexpr std::string_view kStartFragment = "<!--StartFragment-->";
constexpr std::string_view kEndFragment = "<!--EndFragment-->";
// The longest base name that still leaves room for ".bmp" within a name.
constexpr std::size_t kMaxImageBase = kMaxText - 4;

void Put32(std::string& out, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xff));
}

// The decimal number after "name:" in the clipboard header; nullopt when the header has none.
std::optional<std::size_t> HeaderNumber(std::string_view header, std::string_view name)
{
    const std::size_t at = header.find(name);
    if (at == std::string_view::npos) return std::nullopt;
    const char* first = header.data() + at + name.size();
    std::size_t value = 0;
    const auto [end, error] = std::from_chars(first, header.data() + header.size(), value);
    if (error != std::errc() || end == first) return std::nullopt;
    return value;
}

std::optional<std::string_view> FragmentByOffsets(std::string_view html)
{
    const auto start = HeaderNumber(html, "StartFragment:");
    const auto end = HeaderNumber(html, "EndFragment:");
    if (!start || !end || *start > *end || *end > html.size()) return std::nullopt;
    return html.substr(*start, *end - *start);
}

std::optional<std::string_view> FragmentByComments(std::string_view html)
{
    const std::size_t start = html.find(kStartFragment);
    if (start == std::string_view::npos) return std::nullopt;
    std::string_view rest = html.substr(start + kStartFragment.size());
    return rest.substr(0, rest.find(kEndFragment));
}

std::string_view SkipBlanks(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    return first == std::string_view::npos ? std::string_view() : text.substr(first);
}

bool FitsNoFileName(unsigned char c)
{
    return c < 32 || std::string_view("%:?[\\]*<>|\"/").find(static_cast<char>(c)) != std::string_view::npos;
}

}  // namespace

std::string DropFilesBlock(const std::vector<std::string>& paths)
{
    if (paths.empty()) return {};
    std::string block;
    Put32(block, static_cast<std::uint32_t>(kDropFilesHeaderBytes));
    block.append(kDropFilesHeaderBytes - 4, '\0');
    for (const std::string& path : paths) {
        if (path.empty()) return {};
        block.append(path);
        block.push_back('\0');
    }
    block.push_back('\0');
    return block;
}

std::string_view HtmlFragment(std::string_view html)
{
    html = html.substr(0, html.find('\0'));
    if (!html.starts_with("Version:")) return html;
    if (auto fragment = FragmentByOffsets(html)) return *fragment;
    if (auto fragment = FragmentByComments(html)) return *fragment;
    // A header whose offsets lie: what follows it is HTML all the same.
    const std::size_t tag = html.find('<');
    return tag == std::string_view::npos ? std::string_view() : html.substr(tag);
}

bool IsImageFragment(std::string_view fragment)
{
    return StartsWithNoCase(SkipBlanks(fragment), "<img");
}

std::optional<std::string> ImageAddress(std::string_view fragment)
{
    const std::size_t src = FindNoCase(fragment, "src");
    if (src == std::string_view::npos) return std::nullopt;
    const std::size_t open = fragment.find('"', src + 3);
    if (open == std::string_view::npos) return std::nullopt;
    const std::size_t close = fragment.find('"', open + 1);
    if (close == std::string_view::npos) return std::nullopt;
    std::string address(fragment.substr(open + 1, close - open - 1));
    ReplaceAll(address, "&amp;", "&");
    if (address.empty() || address.size() > kMaxText) return std::nullopt;
    return address;
}

std::optional<std::string> HtmlAsText(std::string_view fragment, const std::function<bool()>& keepGoing)
{
    std::string text(fragment);
    DecodeEntities(text);
    // StripTags drops what comes before the first tag, which here is text the user dragged.
    const std::size_t tag = text.find('<');
    if (tag == std::string::npos) return text;
    std::string tags = text.substr(tag);
    if (!StripTags(tags, keepGoing)) return std::nullopt;
    return text.substr(0, tag) + tags;
}

HtmlDropKind ChooseHtmlDrop(std::string_view fragment, bool plainTextOffered)
{
    if (IsImageFragment(fragment)) return HtmlDropKind::Image;
    return plainTextOffered ? HtmlDropKind::OfferedText : HtmlDropKind::Text;
}

std::string DroppedImageName(std::string_view source)
{
    std::string text = Cut(source);
    DecodeEntities(text);
    const std::size_t slash = text.find_last_of("\\/");
    std::string base = slash == std::string::npos ? text : text.substr(slash + 1);
    const std::size_t dot = base.find_last_of('.');
    if (dot != std::string::npos) base.erase(dot);
    ReplaceAll(base, "%20", " ");
    for (char& c : base) {
        if (FitsNoFileName(static_cast<unsigned char>(c))) c = '_';
    }
    if (base.find_first_not_of(' ') == std::string::npos) return {};
    base = Cut(base, kMaxImageBase);
    std::string name = base + ".bmp";
    if (IsReservedDeviceName(name)) name.insert(0, "_");
    return name;
}

}  // namespace pw
