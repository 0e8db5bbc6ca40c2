#include "library/history.h"

#include "notes/note_text.h"
#include "settings/text.h"

namespace pw {
namespace {

// What follows "root:" in each log line.
std::string LogFields(const PlaceRecord& p)
{
    return "'" + p.rootPath + "' path:'" + p.folderPath + "' folder:'" + p.selectedFolder + "' file:'" + p.file + "'\n";
}

bool HoldsFile(const PlaceRecord& slot)
{
    return !slot.file.empty();
}

std::string MenuText(const std::string& name)
{
    std::string text;
    for (char c : name) {
        text += c;
        if (c == '&') text += '&';
    }
    return text;
}

}  // namespace

bool SamePlace(const PlaceRecord& a, const PlaceRecord& b)
{
    return SameBackPlace(a, b) && EqualsNoCase(a.selectedFolder, b.selectedFolder);
}

bool SameBackPlace(const PlaceRecord& a, const PlaceRecord& b)
{
    return EqualsNoCase(a.rootPath, b.rootPath) && EqualsNoCase(a.folderPath, b.folderPath) &&
           EqualsNoCase(a.file, b.file);
}

std::string PushLogText(const PlaceRecord& place, bool alreadyNewest)
{
    return (alreadyNewest ? "PUSH root LAST ROOT (not added again):" : "PUSH root:") + LogFields(place);
}

std::string PopLogText(const PlaceRecord& place)
{
    return "POP root:" + LogFields(place);
}

BackStack::PushResult BackStack::Push(const PlaceRecord& place)
{
    if (place.file.empty()) return PushResult::Ignored;
    if (!entries_.empty() && SameBackPlace(entries_.back(), place)) return PushResult::AlreadyNewest;
    entries_.push_back(place);
    if (entries_.size() > kBackStackLimit)
        entries_.erase(entries_.begin(), entries_.begin() + (entries_.size() - kBackStackLimit));
    return PushResult::Pushed;
}

bool BackStack::Pop(PlaceRecord& place)
{
    if (entries_.empty()) return false;
    place = std::move(entries_.back());
    entries_.pop_back();
    return true;
}

bool RecordRecentPlace(PlaceSlots& slots, PlaceRecord& lastRecorded, const PlaceRecord& place)
{
    if (place.file.empty() || IsNewUnsavedMarker(place.file)) return false;
    if (SamePlace(place, lastRecorded)) return false;
    for (const PlaceRecord& slot : slots)
        if (HoldsFile(slot) && EqualsNoCase(slot.file, place.file)) return false;
    lastRecorded = place;
    // Each slot moves one down unless it is the place itself; slot 9's place falls off the end.
    for (int n = kRecentSlotCount - 2; n >= 0; --n) {
        if (HoldsFile(slots[n]) && !SamePlace(slots[n], place)) slots[n + 1] = slots[n];
        slots[n] = PlaceRecord();
    }
    slots[0] = place;
    slots[0].inUse = 1;
    return true;
}

std::vector<SlotMenuItem> RecentMenuItems(const PlaceSlots& slots)
{
    std::vector<SlotMenuItem> items;
    if (!HoldsFile(slots[0])) return items;
    for (int n = 0; n < kRecentSlotCount; ++n)
        if (HoldsFile(slots[n])) items.push_back({kFirstSlotCommand + n, MenuText(slots[n].file)});
    return items;
}

}  // namespace pw
