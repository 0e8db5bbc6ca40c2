#include "render/html_attribute.h"

namespace pw {

void AppendAttributeValue(std::string& out, std::string_view value, char quote)
{
    const std::string_view entity = quote == '"' ? "&quot;" : "&#39;";
    for (std::size_t at = value.find(quote); at != std::string_view::npos; at = value.find(quote)) {
        out.append(value.substr(0, at));
        out.append(entity);
        value.remove_prefix(at + 1);
    }
    out.append(value);
}

void AppendHtmlText(std::string& out, std::string_view text)
{
    for (char c : text) {
        switch (c) {
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '&':
                out += "&amp;";
                break;
            default:
                out += c;
        }
    }
}

}  // namespace pw
