#include "render/markdown_html.h"

#include <cstdint>

extern "C" {
#include "buffer.h"
#include "html.h"
#include "markdown.h"
}

#include "render/html_attribute.h"

namespace pw {
namespace {

constexpr std::size_t kInputUnit = 1024;
constexpr std::size_t kOutputUnit = 64;
constexpr std::size_t kMaxNesting = 16;

// Owns one sundown buffer.
class SdBuffer {
public:
    explicit SdBuffer(std::size_t unit) : buf_(bufnew(unit)) {}
    ~SdBuffer()
    {
        if (buf_) bufrelease(buf_);
    }
    SdBuffer(const SdBuffer&) = delete;
    SdBuffer& operator=(const SdBuffer&) = delete;

    buf* get() const { return buf_; }

private:
    buf* buf_;
};

// Owns one sundown parser with the HTML renderer's callbacks it points to.
class SdParser {
public:
    SdParser()
    {
        sdhtml_renderer(&callbacks_, &options_, 0);
        md_ = sd_markdown_new(MKDEXT_STRIKETHROUGH, kMaxNesting, &callbacks_, &options_);
    }
    ~SdParser()
    {
        if (md_) sd_markdown_free(md_);
    }
    SdParser(const SdParser&) = delete;
    SdParser& operator=(const SdParser&) = delete;

    // Appends the HTML of one piece to out; false when sundown could not get memory.
    bool RenderPiece(std::string_view piece, std::string& out)
    {
        SdBuffer input(kInputUnit);
        SdBuffer output(kOutputUnit);
        if (!md_ || !input.get() || !output.get()) return false;
        bufput(input.get(), piece.data(), piece.size());
        if (input.get()->size != piece.size()) return false;
        sd_markdown_render(output.get(), input.get()->data, input.get()->size, md_);
        if (output.get()->size) out.append(reinterpret_cast<const char*>(output.get()->data), output.get()->size);
        return true;
    }

private:
    sd_callbacks callbacks_{};
    html_renderopt options_{};
    sd_markdown* md_ = nullptr;
};

bool StartsAtMargin(std::string_view text, std::size_t pos)
{
    return pos < text.size() && text[pos] != ' ' && text[pos] != '\t' && text[pos] != '\n';
}

// The text when sundown cannot be had at all: escaped, so that nothing is lost and nothing is interpreted.
void AppendEscaped(std::string_view text, std::string& out)
{
    out += "<pre>";
    AppendHtmlText(out, text);
    out += "</pre>\n";
}

}  // namespace

std::size_t MarkdownPieceEnd(std::string_view text, std::size_t maxBytes)
{
    if (text.size() <= maxBytes || maxBytes == 0) return text.size();
    std::string_view window = text.substr(0, maxBytes);
    // A blank line ends a paragraph; the next line must not be indented, or it may continue a list or code.
    for (std::size_t pos = window.rfind("\n\n"); pos != std::string_view::npos && pos > 0;
         pos = window.rfind("\n\n", pos - 1)) {
        if (StartsAtMargin(text, pos + 2)) return pos + 2;
    }
    std::size_t lineEnd = window.rfind('\n');
    if (lineEnd != std::string_view::npos) return lineEnd + 1;
    std::size_t end = maxBytes;
    while (end > 1 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
    return end;
}

std::string RenderMarkdown(std::string_view markdown)
{
    std::string html;
    RenderMarkdown(markdown, html);
    return html;
}

void RenderMarkdown(std::string_view markdown, std::string& out)
{
    SdParser parser;
    while (!markdown.empty()) {
        std::size_t end = MarkdownPieceEnd(markdown, kMarkdownPieceBytes);
        std::string_view piece = markdown.substr(0, end);
        if (!parser.RenderPiece(piece, out)) AppendEscaped(piece, out);
        markdown.remove_prefix(end);
    }
}

}  // namespace pw
