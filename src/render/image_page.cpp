#include "render/image_page.h"

#include "render/html_attribute.h"
#include "settings/text.h"

namespace pw {

std::string CurrentStyleSheet(std::string_view chosenName, std::string_view markupCssSetting)
{
    return std::string(chosenName.empty() ? markupCssSetting : chosenName);
}

bool ImagePageUsesStyleSheet(bool imageUseCss, std::string_view currentStyleSheet)
{
    return imageUseCss && !EqualsNoCase(currentStyleSheet, kDefaultStyleSheet);
}

std::string StyledImagePage(std::string_view head, std::string_view imagePath)
{
    std::string page(head);
    page += "<table id='imgtable'><td><img src='";
    AppendAttributeValue(page, imagePath, '\'');
    page += "'></td></table></body></html>";
    return page;
}

std::string SizedImagePage(int paneWidth, int pad, int scrollBarWidth, std::string_view imagePath)
{
    const std::string w = std::to_string(paneWidth - pad - scrollBarWidth - 5);
    const std::string p = std::to_string(pad);
    std::string page = "<html><head><title>image</title><style> img{width: expression(this.width > ";
    page += w + " ? " + w + ": true);} table {position:absolute; top:" + p + "px; left:" + p + "px;}";
    page += "</style></head><body><table border='0' cellpadding='0' cellspacing='0' width='" + w + "'>";
    page += "<td width='100%' align='center'><img src='";
    AppendAttributeValue(page, imagePath, '\'');
    page += "'></td></table></body></html>";
    return page;
}

std::string PlainImagePage(std::string_view imagePath)
{
    std::string page =
        "<html><head><title>image</title><style> img {max-width: expression(document.body.clientWidth)}"
        "</style></head><body><center><table ><td ><img src='";
    AppendAttributeValue(page, imagePath, '\'');
    page += "'></td></table></center></body></html>";
    return page;
}

}  // namespace pw
