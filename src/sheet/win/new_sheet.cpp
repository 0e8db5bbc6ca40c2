#include "sheet/win/new_sheet.h"

#include <windows.h>

#include "settings/text.h"
#include "settings/win/messages.h"
#include "settings/win/safe_file.h"
#include "sheet/new_sheet.h"

namespace pw {

std::optional<std::string> WriteNewSheetFile(const std::string& folder, const std::string& requestedName)
{
    auto exists = [&](const std::string& name) {
        std::string path;
        return !JoinPath(path, folder, name) || PathExists(path);
    };
    const std::optional<std::string> name = NewSheetName(requestedName, exists);
    std::string path;
    if (!name || !JoinPath(path, folder, *name)) {
        StatusMessage("No new spreadsheet: its name would not fit a path in %s", folder.c_str());
        return std::nullopt;
    }
    // Written only as a new file: one that appeared since the name was chosen is never replaced.
    DWORD error = 0;
    if (!WriteNewFile(path, EmptySheetText(), &error)) {
        if (error == ERROR_FILE_EXISTS)
            StatusMessage("Spreadsheet exists: %s", path.c_str());
        else
            StatusMessage("Could not write %s: %s", path.c_str(), ErrorText(error).c_str());
        return std::nullopt;
    }
    return name;
}

}  // namespace pw
