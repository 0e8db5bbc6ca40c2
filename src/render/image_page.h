// The small page that shows one image: with the note page head and style sheet, sized to the pane, or plain.
// The image path is the file's full path, backslashes and all, without a scheme.
#pragma once

#include <string>
#include <string_view>

namespace pw {

inline constexpr std::string_view kDefaultStyleSheet = "markup.css";

// The chosen style sheet while one is chosen, else the MarkupCSS setting.
std::string CurrentStyleSheet(std::string_view chosenName, std::string_view markupCssSetting);

// The styled image page is only worth it with a style sheet of the user's own: the default one gets the
// built-in sizing.
bool ImagePageUsesStyleSheet(bool imageUseCss, std::string_view currentStyleSheet);

// head is the page head written for the image path (PageHead).
std::string StyledImagePage(std::string_view head, std::string_view imagePath);
// For a pane of known width: the image is at most the pane's width less the pad, the vertical scroll bar
// and 5 pixels.
std::string SizedImagePage(int paneWidth, int pad, int scrollBarWidth, std::string_view imagePath);
std::string PlainImagePage(std::string_view imagePath);

}  // namespace pw
