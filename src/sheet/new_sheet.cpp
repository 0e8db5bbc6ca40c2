#include "sheet/new_sheet.h"

#include "settings/text.h"

namespace pw {

std::optional<std::string> NewSheetName(std::string_view requested,
                                        const std::function<bool(const std::string& name)>& exists)
{
    std::string base(requested.substr(0, FindNoCase(requested, kSheetExtension)));
    if (requested.empty()) base = kNewSheetBaseName;
    std::string name = base + std::string(kSheetExtension);
    for (int n = 1; exists(name); ++n) {
        if (n > kMaxNewSheetNumber) return std::nullopt;
        name = base + "_" + std::to_string(n) + std::string(kSheetExtension);
    }
    return name;
}

std::string EmptySheetText()
{
    std::string row;
    for (int c = 0; c < kNewSheetColumns; ++c) row += c == 0 ? "\"\"" : ",\"\"";
    row += "\r\n";
    std::string text;
    for (int r = 0; r < kNewSheetRows; ++r) text += row;
    return text;
}

}  // namespace pw
