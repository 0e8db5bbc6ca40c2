#include "shell/placement.h"

#include <cctype>
#include <climits>
#include <cstdio>

namespace pw {

std::string WindowPositionText(const PlacementRecord& p)
{
    char text[256];
    std::snprintf(text, sizeof text, "%ld,%ld,%ld,%ld,%ld,%ld,%ld,%ld,%ld,%ld", p.flags, p.showCommand, p.minimizedX,
                  p.minimizedY, p.maximizedX, p.maximizedY, p.left, p.top, p.right, p.bottom);
    return text;
}

namespace {

constexpr std::size_t kPlacementItems = 10;

// Like atol, but saturating instead of overflowing: leading blanks, a sign, digits; anything else ends it.
long NumberOf(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    long value = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
        int digit = text[i] - '0';
        if (value > (LONG_MAX - digit) / 10) return negative ? LONG_MIN : LONG_MAX;
        value = value * 10 + digit;
    }
    return negative ? -value : value;
}

// Left and top must start on the screen.
long ClampStart(long value, long limit)
{
    return (value < 0 || value > limit) ? 0 : value;
}

// Right and bottom stay within the screen (the taskbar excluded); an edge of 0 gets a usable size.
long ClampEnd(long value, long limit)
{
    if (value < 0 || value > limit) return limit;
    return value == 0 ? kSmallestRestoredEdge : value;
}

}  // namespace

RestoreDecision DecideRestore(const std::vector<std::string>& items, const ScreenFacts& screen, long showCommand)
{
    RestoreDecision decision;
    if (items.size() < kPlacementItems || items[0].empty()) return decision;
    const bool maximized = items[1] == "3";
    if (!maximized && items[8] == "0" && items[9] == "0") return decision;

    PlacementRecord& p = decision.placement;
    p.flags = NumberOf(items[0]);
    p.showCommand = maximized ? kShowMaximized : showCommand;
    p.maximizedX = NumberOf(items[4]);
    p.maximizedY = NumberOf(items[5]);
    p.left = ClampStart(NumberOf(items[6]), screen.width);
    p.top = ClampStart(NumberOf(items[7]), screen.height);
    p.right = ClampEnd(NumberOf(items[8]), screen.width);
    p.bottom = ClampEnd(NumberOf(items[9]), screen.height - screen.taskbarHeight);
    decision.justShow = false;
    return decision;
}

}  // namespace pw
