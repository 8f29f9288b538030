#include "core/tables/result_table_layout.h"

#include "core/text/text_util.h"

#include <algorithm>

std::vector<ColumnRect> ColumnLayout(int clientWidth, int clientHeight, const std::vector<float>& widthFactors) {
    const int count = static_cast<int>(std::min<std::size_t>(widthFactors.size(), kMaxColumns));
    std::vector<ColumnRect> rects;
    if (count == 0)
        return rects;
    const int usable = clientWidth - kListScrollBarWidth;
    const int unit = usable / count;
    int x = 0;
    for (int i = 0; i < count; ++i) {
        if (i > 0)
            x = rects.back().x + rects.back().width;
        const float share = static_cast<float>(unit) * widthFactors[i];
        int width = i + 1 < count ? TruncToInt(share) : usable - x;
        width = std::max(width, kMinColumnWidth);
        rects.push_back({x, kListHeaderHeight, width, clientHeight - kListHeaderHeight});
    }
    return rects;
}

std::vector<ColumnRect> FitColumns(std::vector<ColumnRect> rects, const std::vector<int>& needs) {
    std::vector<int> need;
    long shortBy = 0;
    long spare = 0;
    for (std::size_t i = 0; i < rects.size(); ++i) {
        need.push_back(std::max(i < needs.size() ? needs[i] : 0, kMinColumnWidth));
        const long room = rects[i].width - need[i];
        if (room < 0)
            shortBy -= room;
        else
            spare += room;
    }
    if (shortBy == 0)
        return rects;
    // each column with room gives its share, rounded down; the pixels that rounding
    // leaves come one each from the first columns that can still give one
    const long given = std::min(shortBy, spare);
    long taken = 0;
    std::vector<int> width;
    for (std::size_t i = 0; i < rects.size(); ++i) {
        const int room = std::max(rects[i].width - need[i], 0);
        const long share = spare > 0 ? given * room / spare : 0;
        taken += share;
        width.push_back(rects[i].width - static_cast<int>(share));
    }
    for (std::size_t i = 0; i < rects.size() && taken < given; ++i)
        if (width[i] > need[i]) {
            --width[i];
            ++taken;
        }
    int x = rects.front().x;
    for (std::size_t i = 0; i < rects.size(); ++i) {
        rects[i].x = x;
        rects[i].width = std::max(width[i], need[i]);
        x += rects[i].width;
    }
    return rects;
}

ColumnRect HeaderRect(const ColumnRect& data) {
    return {data.x, 0, data.width, kListHeaderHeight};
}

ColumnRect ScrollBarRect(int clientWidth, int clientHeight) {
    return {clientWidth - kListScrollBarWidth, 0, kListScrollBarWidth, clientHeight};
}
