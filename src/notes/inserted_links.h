// The texts that drops and pasted images put into a note: a dropped web address becomes a Markdown link, a
// saved image gets a link to its file in the "imgs" folder.
#pragma once

#include <string>
#include <string_view>

namespace pw {

// The folder beside a note that holds its images.
inline constexpr std::string_view kImageFolder = "imgs";

// A dropped text that starts with "http:" (or "https:" when httpsAsLink, NoteDragHttpAsLink) becomes
// "[ label ]( address )", the label being the address without its scheme; any other text stays as it is.
std::string DroppedTextInsertion(std::string_view text, bool httpsAsLink);

// The link to an image saved in the "imgs" folder: "[$ imgs\name $]" when linkType (NoteImageLinkType) is
// "Wiki", else the Markdown image "![ name ](imgs/name)".
std::string ImageLinkText(std::string_view fileName, std::string_view linkType);

}  // namespace pw
