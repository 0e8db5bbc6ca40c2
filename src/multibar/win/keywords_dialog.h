// The Keywords dialog (resource 237): the file's keywords in a sorted list, a box of known keywords to add
// from, Delete, and OK, which stores the list shown. Escape and the close box leave without storing.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace pw {

void KeywordsDialog(const std::string& filePath);

// Called with the dialog once it is filled, before it waits for the user; tests drive it from there.
void SetKeywordsDialogDriver(std::function<void(HWND dialog)> driver);

}  // namespace pw
