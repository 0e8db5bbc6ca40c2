// The markup commands on the open note (bold, italics, strike-out, page and web links, headers, rules).
#pragma once

namespace pw {

// Applies the markup command with that id (29697 to 29704) to the active editor's selection; false when no
// note is open or the command does not apply (a selection of 1,000 characters or more).
bool ApplyMarkup(int id);

}  // namespace pw
