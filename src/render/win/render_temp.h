// Rendered pages live in the user's temporary folder until the program quits.
#pragma once

#include <string>

namespace pw {

// A fresh page path: a system-made unique "fw" name in the temporary folder with ".html" appended.
std::string RenderTempPath();
// Deletes the rendered pages left in the temporary folder; returns how many were deleted (at most 501).
int DeleteRenderTempFiles();
// Whether a file name is one of ours: "fw", one to four hex digits, ".tmp", optionally ".html".
bool IsRenderTempName(const std::string& name);
// Whether a path names a page of that form directly inside the temporary folder (names compared without
// regard to case).
bool IsRenderTempPage(const std::string& path);

}  // namespace pw
