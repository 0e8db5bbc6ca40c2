#include "library/win/perpetual_notes.h"

#include <string>

#include "library/history.h"
#include "library/perpetual_notes.h"
#include "library/win/history.h"
#include "library/win/library_state.h"
#include "settings/win/messages.h"
#include "settings/win/settings_win.h"

namespace pw {
namespace {

PlaceRecord& PerpetualSlot(int n)
{
    return PlaceSlot(kFirstPerpetualSlot + n - 1);
}

}  // namespace

void LoadPerpetualNotes()
{
    const std::string defaultExtension = Settings().GetString("DefaultExtension", ".txt");
    for (int n = 1; n <= kPerpetualNoteCount; ++n) {
        const std::string value = Settings().GetString("PerpetualNote" + std::to_string(n), "");
        PerpetualSlot(n) = PerpetualPlace(value, Roots(), MachinePaths(), defaultExtension).value_or(PlaceRecord{});
    }
}

bool PerpetualNoteAssigned(int n)
{
    return n >= 1 && n <= kPerpetualNoteCount && PerpetualSlot(n).inUse && !PerpetualSlot(n).file.empty();
}

const char* PerpetualNoteFile(int n)
{
    return PerpetualNoteAssigned(n) ? PerpetualSlot(n).file.c_str() : "";
}

void OpenPerpetualNote(int id)
{
    const int n = id - kFirstSlotCommand - kFirstPerpetualSlot + 1;
    if (!PerpetualNoteAssigned(n)) {
        StatusMessage("Perpetual note %d is not assigned: use Configure -> Perpetual Notes", n);
        return;
    }
    OpenSlot(id);
}

}  // namespace pw
