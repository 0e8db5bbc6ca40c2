// What a drop brings and what a drag out offers, as plain bytes: the file-list block, the fragment of an HTML
// drop with the image address or the text it holds, and the name a dropped bitmap is saved under.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pw {

// The file-list block (DROPFILES) starts with this many bytes: where the names start, the drop point, the
// non-client flag and the wide-names flag (0: names in the system code page).
inline constexpr std::size_t kDropFilesHeaderBytes = 20;

// The header, each path with its zero, and the zero that ends the list; "" for no paths or an empty one
// (nothing to drag).
std::string DropFilesBlock(const std::vector<std::string>& paths);

// The fragment of "text/html" data read as 8-bit text. Browsers offer the HTML clipboard format: a
// "Version:" header whose StartFragment and EndFragment byte offsets (or the <!--StartFragment--> and
// <!--EndFragment--> comments) mark what was dragged; without a header the data up to its first zero is the
// fragment. Never reads outside the data, whatever the offsets say.
std::string_view HtmlFragment(std::string_view html);

// Whether the fragment, past leading blanks and line ends, begins with "<img" (case ignored).
bool IsImageFragment(std::string_view fragment);
// The text between the first two double quotes after the first "src" (case ignored), with "&amp;" read as
// "&" as HTML attributes write it; nullopt when there is no quoted address or it is longer than a path.
std::optional<std::string> ImageAddress(std::string_view fragment);

// The fragment as note text: character references decoded, then tags removed. Text before the first tag is
// kept (the fragment has no clipboard header left to drop). keepGoing is asked after each tag; nullopt when
// it says stop (the program is quitting).
std::optional<std::string> HtmlAsText(std::string_view fragment, const std::function<bool()>& keepGoing);

// What an HTML drop does, by the fragment and whether plain text is offered with it.
enum class HtmlDropKind { Image, Text, OfferedText };
HtmlDropKind ChooseHtmlDrop(std::string_view fragment, bool plainTextOffered);

// The name a dropped bitmap is saved under, from the last file name or text the drop offered: character
// references decoded, the base name (no folder, no extension) with ".bmp", "%20" read as a blank, and each
// character a file name cannot hold ("%", ":", "?", "[", "\", "]", "*", "<", ">", "|", double quote,
// control characters) made "_"; a device name such as CON gets "_" in front. "" when no base name is left.
std::string DroppedImageName(std::string_view source);

}  // namespace pw
