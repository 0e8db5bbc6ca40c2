// The window's place on screen as the text of WindowPosition, and the decision how to restore it at start.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace pw {

inline constexpr long kShowMaximized = 3;
// A restored right or bottom edge of 0 becomes this.
inline constexpr long kSmallestRestoredEdge = 150;

// The ten numbers of a placement, in the order they are written.
struct PlacementRecord {
    long flags = 0;
    long showCommand = 0;
    long minimizedX = 0, minimizedY = 0;
    long maximizedX = 0, maximizedY = 0;
    long left = 0, top = 0, right = 0, bottom = 0;
};

// "%ld,%ld,%ld,%ld,%ld,%ld,%ld,%ld,%ld,%ld" of the record.
std::string WindowPositionText(const PlacementRecord& placement);

struct ScreenFacts {
    long width = 0;
    long height = 0;
    long taskbarHeight = 0;  // 0 when there is no taskbar window
};

struct RestoreDecision {
    bool justShow = true;  // show the window with the given show command, no placement
    PlacementRecord placement;
};

// items: WindowPosition read as a comma list. A list that is missing, starts empty or has fewer than ten
// items is just shown.
RestoreDecision DecideRestore(const std::vector<std::string>& items, const ScreenFacts& screen, long showCommand);

}  // namespace pw
