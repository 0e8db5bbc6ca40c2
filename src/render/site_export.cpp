#include "render/site_export.h"

#include <array>

#include "render/html_attribute.h"
#include "render/note_link.h"
#include "render/page.h"
#include "settings/text.h"

namespace pw {
namespace {

constexpr std::array<std::string_view, 3> kTextNoteExtensions = {".txt", ".wki", ".wiki"};
constexpr std::array<std::string_view, 8> kPictureExtensions = {".png", ".jpg", ".jpeg", ".gif",
                                                                ".bmp", ".tga", ".svg",  ".webp"};
constexpr std::string_view kNoteScheme = "href=\"fw:";

template <typename List>
bool HasExtension(const List& list, std::string_view extension)
{
    for (const auto& item : list)
        if (EqualsNoCase(item, extension)) return true;
    return false;
}

// A file name as a relative address: what a browser would read as a delimiter is escaped.
void AppendPathAddress(std::string& out, std::string_view name)
{
    constexpr std::string_view kHex = "0123456789ABCDEF";
    for (unsigned char c : name) {
        if (c <= ' ' || c == '%' || c == '#' || c == '?' || c == '"' || c == '\\' || c >= 0x7f) {
            out += '%';
            out += kHex[c >> 4];
            out += kHex[c & 15];
        } else if (c == '&') {
            out += "&amp;";
        } else {
            out += static_cast<char>(c);
        }
    }
}

std::string StyleSheetLink(int depth)
{
    std::string link = "<link rel=\"stylesheet\" href=\"";
    for (int i = 0; i < depth; ++i) link += "../";
    link += kExportStyleSheet;
    link += "\" type=\"text/css\">\n";
    return link;
}

// The head the pipeline writes (no base address, no style sheet) gets the export's relative style sheet.
std::string WithStyleSheet(std::string page, int depth)
{
    const std::size_t head = page.find("</head>");
    if (head != std::string::npos) page.insert(head, StyleSheetLink(depth));
    return page;
}

std::string UnescapeAmpersands(std::string_view text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        out += text[i];
        if (text.substr(i, 5) == "&amp;") i += 4;
    }
    return out;
}

std::string Lower(std::string_view text)
{
    std::string lower(text);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

const std::string* Lookup(const ExportFolder& folder, const std::unordered_map<std::string, std::size_t>& index,
                          const std::string& name)
{
    const auto found = index.find(Lower(name));
    return found == index.end() ? nullptr : &folder.notes[found->second];
}

const std::string* ResolveNote(const ExportFolder& folder, const std::string& name)
{
    for (const std::string& candidate : {name, name + folder.rootExtension, name + folder.defaultExtension})
        if (const std::string* note = Lookup(folder, folder.byName, candidate)) return note;
    // The program would create the note under the root's extension; a page of another kind is the better guess.
    return Lookup(folder, folder.byStem, name);
}

void AppendListItem(std::string& out, const std::string& address, std::string_view text)
{
    out += "<li><a href=\"";
    out += address;
    out += "\">";
    AppendHtmlText(out, text);
    out += "</a></li>\n";
}

}  // namespace

void IndexExportNotes(ExportFolder& folder)
{
    folder.byName.clear();
    folder.byStem.clear();
    for (std::size_t i = 0; i < folder.notes.size(); ++i) {
        const std::string& note = folder.notes[i];
        folder.byName.emplace(Lower(note), i);
        folder.byStem.emplace(Lower(note.substr(0, note.size() - ExtensionOf(note).size())), i);
    }
}

ExportRole ExportRoleOf(std::string_view fileName, const StringList& markdownExtensions)
{
    const std::string extension = ExtensionOf(fileName);
    if (extension.empty()) return ExportRole::Skip;
    if (HasExtension(kTextNoteExtensions, extension) || HasExtension(markdownExtensions, extension))
        return ExportRole::Page;
    if (HasExtension(kPictureExtensions, extension)) return ExportRole::Copy;
    return ExportRole::Skip;
}

std::string ExportPageName(std::string_view noteName)
{
    return std::string(noteName) + ".html";
}

std::string ExportNotePage(std::string_view noteName, std::string_view bytes, const ExportFolder& folder,
                           const SettingsStore& store)
{
    const StringList extensions = MarkdownExtensionList(store.GetList("MarkdownExtraExtensions"));
    const ViewDecision decision = RenderFlagsFor(noteName, extensions, ReadRenderSettings(store));
    const PageContext context{std::string(noteName), {}, {}};
    std::string page;
    if (decision.kind == ViewKind::Rendered) {
        page = ResolveExportLinks(RenderPage(bytes, decision.flags, context), folder);
    } else {
        page = PageHead(context);
        page += "<pre>";
        AppendHtmlText(page, bytes);
        page += "</pre>\n";
        page += kPageTail;
    }
    return WithStyleSheet(std::move(page), folder.depth);
}

std::string ResolveExportLinks(std::string_view html, const ExportFolder& given)
{
    ExportFolder unindexed;
    if (given.byName.empty() && !given.notes.empty()) {
        unindexed = given;
        IndexExportNotes(unindexed);
    }
    const ExportFolder& folder = unindexed.notes.empty() ? given : unindexed;
    std::string out;
    out.reserve(html.size());
    for (std::size_t at = html.find(kNoteScheme); at != std::string_view::npos; at = html.find(kNoteScheme)) {
        const std::size_t start = at + kNoteScheme.size() - 3;  // at "fw:"
        const std::size_t end = html.find('"', start);
        if (end == std::string_view::npos) break;
        out.append(html.substr(0, at));
        const std::string name = NoteNameFromLink(UnescapeAmpersands(html.substr(start, end - start)));
        if (const std::string* note = ResolveNote(folder, name)) {
            out += "href=\"";
            AppendPathAddress(out, ExportPageName(*note));
            out += '"';
        } else {
            out += "title=\"";
            AppendAttributeValue(out, "No note named " + name, '"');
            out += '"';
        }
        html.remove_prefix(end + 1);
    }
    out.append(html);
    return out;
}

std::string ExportIndexPage(const ExportFolder& folder)
{
    const std::string title = folder.title.empty() ? std::string("Notes") : folder.title;
    std::string page = "<html>\n<head>\n<title>";
    AppendHtmlText(page, title);
    page += "</title>\n</head><body>\n<h1>";
    AppendHtmlText(page, title);
    page += "</h1>\n<ul>\n";
    if (folder.depth > 0) AppendListItem(page, "../" + std::string(kExportIndexPage), "[ . . ]");
    for (const std::string& sub : folder.folders) {
        std::string address;
        AppendPathAddress(address, sub);
        AppendListItem(page, address + "/" + std::string(kExportIndexPage), sub + "\\");
    }
    for (const std::string& note : folder.notes) {
        std::string address;
        AppendPathAddress(address, ExportPageName(note));
        AppendListItem(page, address, note);
    }
    page += "</ul>\n";
    page += kPageTail;
    return WithStyleSheet(std::move(page), folder.depth);
}

}  // namespace pw
