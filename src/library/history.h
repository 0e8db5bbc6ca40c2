// The places the user has been: the back stack (Back returns to the file shown before) and the place slots
// (the recent notes at the end of the File menu, the perpetual notes and the help place). Places are copied
// whole, so that going back restores the root, both panes and the open file.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "library/place.h"

namespace pw {

inline constexpr std::size_t kBackStackLimit = 22;

inline constexpr int kPlaceSlotCount = 14;
inline constexpr int kRecentSlotCount = 10;     // slots 0 to 9, the newest first
inline constexpr int kFirstPerpetualSlot = 10;  // slots 10 to 12
inline constexpr int kHelpSlot = 13;
inline constexpr int kFirstSlotCommand = 6001;  // command 6001 + n opens slot n
inline constexpr int kLastSlotCommand = kFirstSlotCommand + kPlaceSlotCount - 1;
inline constexpr int kRecentSeparatorCommand = 6000;

using PlaceSlots = std::array<PlaceRecord, kPlaceSlotCount>;

// Root path, folder path, selected folder and file all equal, case ignored.
bool SamePlace(const PlaceRecord& a, const PlaceRecord& b);
// The back stack's test: the selected folder does not count.
bool SameBackPlace(const PlaceRecord& a, const PlaceRecord& b);

// The lines the back stack writes to the log when asked to.
std::string PushLogText(const PlaceRecord& place, bool alreadyNewest);
std::string PopLogText(const PlaceRecord& place);

class BackStack {
public:
    enum class PushResult { Ignored, AlreadyNewest, Pushed };
    // A place without a file is ignored; one equal to the newest entry is not added again.
    PushResult Push(const PlaceRecord& place);
    // Removes and returns the newest entry; false when the stack is empty.
    bool Pop(PlaceRecord& place);
    const std::vector<PlaceRecord>& Entries() const { return entries_; }  // oldest first

private:
    std::vector<PlaceRecord> entries_;
};

// Puts the place at the top of the recent notes; false when it does not enter the list (no file, the last
// recorded place, an unsaved note, or a file any slot already holds, so a listed note keeps its position).
bool RecordRecentPlace(PlaceSlots& slots, PlaceRecord& lastRecorded, const PlaceRecord& place);

struct SlotMenuItem {
    int command = 0;
    std::string text;
};
// The File menu's recent items, newest first; a file name's "&" is doubled so that the menu shows it.
std::vector<SlotMenuItem> RecentMenuItems(const PlaceSlots& slots);

}  // namespace pw
