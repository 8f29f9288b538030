#include "core/settings/window_place.h"

#include <algorithm>

namespace {

long long Overlap(const WindowRect& a, const WindowRect& b) {
    const long long w = std::min<long long>(a.x + a.width, b.x + b.width) - std::max(a.x, b.x);
    const long long h = std::min<long long>(a.y + a.height, b.y + b.height) - std::max(a.y, b.y);
    return w > 0 && h > 0 ? w * h : 0;
}

// The start of a span of length size that lies within [start, start + room).
int Within(int at, int size, int start, int room) {
    return std::clamp(at, start, start + room - size);
}

} // namespace

std::optional<WindowRect> ReopenedPlace(const WindowRect& remembered, const std::vector<WindowRect>& screens) {
    if (remembered.width <= 0 || remembered.height <= 0)
        return std::nullopt;
    const WindowRect* best = nullptr;
    long long bestOverlap = 0;
    for (const WindowRect& screen : screens) {
        const long long overlap = Overlap(remembered, screen);
        if (overlap > bestOverlap) {
            bestOverlap = overlap;
            best = &screen;
        }
    }
    if (!best)
        return std::nullopt;
    WindowRect place = remembered;
    place.width = std::min(place.width, best->width);
    place.height = std::min(place.height, best->height);
    place.x = Within(place.x, place.width, best->x, best->width);
    place.y = Within(place.y, place.height, best->y, best->height);
    return place;
}

WindowRect CentredIn(int width, int height, const WindowRect& area) {
    width = std::clamp(width, 0, std::max(area.width, 0));
    height = std::clamp(height, 0, std::max(area.height, 0));
    return {area.x + (area.width - width) / 2, area.y + (area.height - height) / 2, width, height};
}
