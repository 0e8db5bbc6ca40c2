// Small text helpers of the installer (it shares no code with Pagewick, so it keeps its own).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace inst {

std::string LowerAscii(std::string_view text);
bool EqualsNoCase(std::string_view a, std::string_view b);
// A name ends with a suffix only when it is longer than the suffix.
bool EndsWithNoCase(std::string_view name, std::string_view suffix);
// Lines ended by CR LF, LF or CR; a last line without an end counts too.
std::vector<std::string_view> SplitLines(std::string_view text);

}  // namespace inst
