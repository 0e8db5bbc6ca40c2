// How a file is shown in View mode and how a note becomes a complete HTML page: the head with title, base
// address and style sheet, the body from the wiki converter and/or sundown, and the tail.
#pragma once

#include <string>
#include <string_view>

#include "settings/settings_store.h"

namespace pw {

struct RenderFlags {
    bool markdown = false;    // run sundown
    bool wiki = false;        // run the wiki converter
    bool hardBreaks = false;  // single line ends become Markdown hard breaks before sundown
};

enum class ViewKind { ImagePage, Rendered, ShownDirectly };

struct ViewDecision {
    ViewKind kind = ViewKind::ShownDirectly;
    RenderFlags flags;
};

// The settings that choose the flags, with their defaults.
struct RenderSettings {
    bool preMarkdown = true;      // MarkdownPreMarkdown
    bool doPreWiki = true;        // MarkdownDoPreWiki
    bool wikiDoMarkdown = false;  // WikiDoMarkdown
};
RenderSettings ReadRenderSettings(const SettingsStore& store);

// ".md", ".markdown", then the items of MarkdownExtraExtensions: empty items skipped, items not trimmed, a
// missing leading "." added, an item already present (case ignored) not added twice, at most 260 entries.
StringList MarkdownExtensionList(const StringList& extraItems);

// Images get the image page, wiki and Markdown notes are rendered, everything else is shown directly.
ViewDecision RenderFlagsFor(std::string_view fileName, const StringList& markdownExtensions,
                            const RenderSettings& settings);

struct PageContext {
    std::string sourcePath;      // the title is its file name
    std::string currentFolder;   // the base address for relative links; none when empty
    std::string styleSheetPath;  // linked only when not empty (the caller checks that the file exists)
};

// The style sheet file: the program folder joined with "support" and the sheet name; empty when the path
// would be too long.
std::string StyleSheetPath(std::string_view programFolder, std::string_view sheetName);

void WritePageHead(std::string& out, const PageContext& context);
std::string PageHead(const PageContext& context);
inline constexpr std::string_view kPageTail = "</body></html>\n";

// The whole page of a note. The note is read as text: CR LF pairs become LF, as the page is written with
// "\n" line ends (the file writer decides how they are stored).
std::string RenderPage(std::string_view source, const RenderFlags& flags, const PageContext& context);

}  // namespace pw
