#include "render/page.h"

#include <array>

#include "render/hard_breaks.h"
#include "render/html_attribute.h"
#include "render/markdown_html.h"
#include "render/wiki.h"
#include "settings/text.h"

namespace pw {
namespace {

constexpr std::size_t kMaxExtensions = 260;
constexpr std::array<std::string_view, 5> kImageExtensions = {".jpg", ".gif", ".tga", ".png", ".bmp"};
constexpr std::array<std::string_view, 2> kWikiExtensions = {".wiki", ".wki"};

template <typename List>
bool ContainsName(const List& list, std::string_view name)
{
    for (const auto& item : list) {
        if (EqualsNoCase(item, name)) return true;
    }
    return false;
}

std::string TextLineEnds(std::string_view source)
{
    std::string text;
    text.reserve(source.size());
    for (std::size_t cr = source.find("\r\n"); cr != std::string_view::npos; cr = source.find("\r\n")) {
        text.append(source.substr(0, cr));
        source.remove_prefix(cr + 1);
    }
    text.append(source);
    return text;
}

}  // namespace

RenderSettings ReadRenderSettings(const SettingsStore& store)
{
    RenderSettings settings;
    settings.preMarkdown = store.GetBoolDefaultTrue("MarkdownPreMarkdown");
    settings.doPreWiki = store.GetBoolDefaultTrue("MarkdownDoPreWiki");
    settings.wikiDoMarkdown = store.GetBoolDefaultFalse("WikiDoMarkdown");
    return settings;
}

StringList MarkdownExtensionList(const StringList& extraItems)
{
    StringList list = {".md", ".markdown"};
    for (const std::string& item : extraItems) {
        if (list.size() >= kMaxExtensions) break;
        if (item.empty()) continue;
        std::string extension = item.front() == '.' ? item : "." + item;
        if (!ContainsName(list, extension)) list.push_back(std::move(extension));
    }
    return list;
}

ViewDecision RenderFlagsFor(std::string_view fileName, const StringList& markdownExtensions,
                            const RenderSettings& settings)
{
    ViewDecision decision;
    const std::string extension = ExtensionOf(fileName);
    decision.flags.hardBreaks = settings.preMarkdown;
    if (extension.empty()) return decision;
    if (ContainsName(kImageExtensions, extension)) {
        decision.kind = ViewKind::ImagePage;
    } else if (ContainsName(kWikiExtensions, extension)) {
        decision.kind = ViewKind::Rendered;
        decision.flags.wiki = true;
        decision.flags.markdown = settings.wikiDoMarkdown;
    } else if (ContainsName(markdownExtensions, extension)) {
        decision.kind = ViewKind::Rendered;
        decision.flags.markdown = true;
        decision.flags.wiki = settings.doPreWiki;
    }
    return decision;
}

std::string StyleSheetPath(std::string_view programFolder, std::string_view sheetName)
{
    std::string support;
    std::string path;
    if (!JoinPath(support, programFolder, "support") || !JoinPath(path, support, sheetName)) return {};
    return path;
}

void WritePageHead(std::string& out, const PageContext& context)
{
    out += "<html>\n<head>\n";
    out += "<title>";
    out += FileNameOf(context.sourcePath);
    out += "</title>\n";
    if (!context.currentFolder.empty()) {
        out += "<base href=\"file://";
        AppendAttributeValue(out, context.currentFolder, '"');
        out += "\\\">\n";
    }
    if (!context.styleSheetPath.empty()) {
        out += "<link rel=\"stylesheet\" href=\"file://";
        AppendAttributeValue(out, context.styleSheetPath, '"');
        out += "\" type=\"text/css\">\n";
    }
    out += "</head><body>\n";
}

std::string PageHead(const PageContext& context)
{
    std::string head;
    WritePageHead(head, context);
    return head;
}

std::string RenderPage(std::string_view source, const RenderFlags& flags, const PageContext& context)
{
    std::string page;
    WritePageHead(page, context);
    // The body as far as a step has rewritten it; a note without CR LF pairs is read where it is.
    std::string owned;
    std::string_view body = source;
    if (source.find("\r\n") != std::string_view::npos) {
        owned = TextLineEnds(source);
        body = owned;
    }
    if (flags.wiki) {
        owned = WikiConvertDocument(body, !(flags.markdown && flags.hardBreaks));
        body = owned;
        if (!flags.markdown) page += body;
    }
    if (flags.markdown) {
        if (flags.hardBreaks) {
            owned = MarkdownHardBreaks(body);
            body = owned;
        }
        // The HTML is usually a little longer than its Markdown; it is written straight into the page.
        page.reserve(page.size() + body.size() + body.size() / 4 + kPageTail.size());
        RenderMarkdown(body, page);
    }
    page += kPageTail;
    return page;
}

}  // namespace pw
