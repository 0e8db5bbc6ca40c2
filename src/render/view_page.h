// The text View mode shows for one file, in one call: the rendered page of a note, the image page of an
// image, or the file itself for anything the browser shows directly. The command-line tool prints it.
#pragma once

#include <string>

#include "settings/settings_store.h"

namespace pw {

struct ViewPageInput {
    std::string path;            // the file's path; its name is the page title
    std::string bytes;           // the file's content
    std::string folder;          // the base address for relative links; none when empty
    std::string styleSheetPath;  // an existing style sheet file, or empty
    std::string styleSheetName;  // the current style sheet name (decides the image page template)
};

// Flags come from the store's MarkdownExtraExtensions, MarkdownPreMarkdown, MarkdownDoPreWiki, WikiDoMarkdown
// and ImageUseCSS. An image page is built without a known pane size (the plain template).
std::string ViewPageText(const ViewPageInput& input, const SettingsStore& store);

}  // namespace pw
