#include "render/view_page.h"

#include "render/image_page.h"
#include "render/page.h"

namespace pw {

std::string ViewPageText(const ViewPageInput& input, const SettingsStore& store)
{
    const StringList extensions = MarkdownExtensionList(store.GetList("MarkdownExtraExtensions"));
    const ViewDecision decision = RenderFlagsFor(input.path, extensions, ReadRenderSettings(store));
    const PageContext context{input.path, input.folder, input.styleSheetPath};
    switch (decision.kind) {
        case ViewKind::Rendered:
            return RenderPage(input.bytes, decision.flags, context);
        case ViewKind::ImagePage:
            if (ImagePageUsesStyleSheet(store.GetBoolDefaultTrue("ImageUseCSS"), input.styleSheetName)) {
                return StyledImagePage(PageHead(context), input.path);
            }
            return PlainImagePage(input.path);
        case ViewKind::ShownDirectly:
            break;
    }
    return input.bytes;
}

}  // namespace pw
