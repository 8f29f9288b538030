// Geometry of the multi-column result table: a row of two-line headers over the
// data columns, and one scroll bar at the right for the whole table.
#pragma once

#include <vector>

inline constexpr int kMaxColumns = 21;
inline constexpr int kListScrollBarWidth = 15;
inline constexpr int kListHeaderHeight = 32;
// No column gets narrower than this, even if the client area is too small.
inline constexpr int kMinColumnWidth = 10;

struct ColumnRect {
    int x, y, width, height;

    bool operator==(const ColumnRect&) const = default;
};

// The data rect of each column (at most kMaxColumns). Each column takes its factor of an
// equal share of the width left of the scroll bar; the last one takes what remains.
std::vector<ColumnRect> ColumnLayout(int clientWidth, int clientHeight, const std::vector<float>& widthFactors);

// Widens the columns whose texts need more room than their rect gives (needs[i] pixels for
// column i). The room comes from the columns that have more than they need, in proportion
// to what each can spare, so the table keeps its width while it can; otherwise every
// column gets what it needs and the table grows wider than its client area.
std::vector<ColumnRect> FitColumns(std::vector<ColumnRect> rects, const std::vector<int>& needs);

// The header above a data rect.
ColumnRect HeaderRect(const ColumnRect& data);

ColumnRect ScrollBarRect(int clientWidth, int clientHeight);
