#include "sheet/win/new_sheet.h"

#include <windows.h>

#include "settings/text.h"
#include "settings/win/handles.h"
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
    // CREATE_NEW: a file that appeared since the name was chosen is never replaced.
    Handle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) {
        if (GetLastError() == ERROR_FILE_EXISTS)
            StatusMessage("Spreadsheet exists: %s", path.c_str());
        else
            StatusMessage("Could not write %s: %s", path.c_str(), ErrorText(GetLastError()).c_str());
        return std::nullopt;
    }
    const std::string text = EmptySheetText();
    DWORD written = 0;
    const bool ok = WriteFile(file.get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
                    written == text.size();
    const DWORD error = GetLastError();
    file.reset();
    if (!ok) {
        DeleteFileA(path.c_str());
        StatusMessage("Could not write %s: %s", path.c_str(), ErrorText(error).c_str());
        return std::nullopt;
    }
    return name;
}

}  // namespace pw
