// The one-line question dialog ("Pagewick"): a prompt, an edit field, OK and Cancel.
#pragma once

#include <windows.h>

#include <string>

namespace pw {

// text is the initial and, on OK, the resulting value (at most 259 characters). With readOnly the field
// cannot be changed and Cancel is hidden. True when OK was chosen.
bool AskText(HWND owner, const std::string& prompt, std::string& text, bool readOnly = false);

}  // namespace pw
