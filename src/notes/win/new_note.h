// New notes, perpetual notes and the help note's place.
#pragma once

namespace pw {

void NewNote();
void OpenPerpetualNote(int id);

}  // namespace pw
