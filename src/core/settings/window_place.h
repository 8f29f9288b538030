// Where a window opens again in a later session: the rule kept apart from the windows so
// that it can be checked without a desktop. Rectangles are in desktop pixels.
#pragma once

#include <optional>
#include <vector>

struct WindowRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    bool operator==(const WindowRect&) const = default;
};

// The remembered rectangle, on the screen it overlaps most: no larger than that screen,
// and moved just far enough to lie wholly on it. Nothing when it overlaps no screen at
// all (a monitor that has gone, a smaller desktop) or has no size: the caller then opens
// the window where it opens the first time.
std::optional<WindowRect> ReopenedPlace(const WindowRect& remembered, const std::vector<WindowRect>& screens);

// A rectangle of the given size (cut to the area) centred in the area.
WindowRect CentredIn(int width, int height, const WindowRect& area);
