#include "controls/list_layout.h"

#include "report/text_util.h"

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

ColumnRect HeaderRect(const ColumnRect& data) {
    return {data.x, 0, data.width, kListHeaderHeight};
}

ColumnRect ScrollBarRect(int clientWidth, int clientHeight) {
    return {clientWidth - kListScrollBarWidth, 0, kListScrollBarWidth, clientHeight};
}
