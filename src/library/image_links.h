// The images a note links to, so that copying or moving the note can take them along.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace pw {

inline constexpr std::size_t kMaxImageLinks = 260;

// False for files that are images or archives themselves (".png", ".bmp", ".jpg", ".zip"): they link nothing.
bool MayLinkImages(std::string_view fileName);

// The targets of the note's "![...](target)" links, in order: trailing blanks removed (leading ones kept) and
// every "/" turned into "\". Only targets that stay inside the note's folder are given: an absolute path, a
// drive, a UNC path, a "." or ".." component or a control character is skipped, so that a crafted note cannot
// make a paste copy or move files from elsewhere. A target too long for a path is skipped rather than cut,
// which would name another file. At most kMaxImageLinks targets.
std::vector<std::string> CollectImageLinks(std::string_view text);

// The rule CollectImageLinks applies to one cleaned target.
bool IsLinkInsideFolder(std::string_view link);

}  // namespace pw
