// Where the lines of a printed datasheet go, in screen units: a fixed-pitch font of
// 11 units, the left margin at 75, the first line at 30 and one line every 16. The
// printer scales screen units to its own resolution.
#pragma once

#include <vector>

constexpr int kPrintLeft = 75;
constexpr int kPrintTop = 30;
constexpr int kPrintLinePitch = 16;
constexpr int kPrintFontHeight = 11;

struct PrintPage {
    int firstLine = 0;
    int lineCount = 0;
};

// The y of line i of a page.
constexpr int PrintLineY(int indexOnPage) {
    return kPrintTop + kPrintLinePitch * indexOnPage;
}

// How many lines fit a page of the given printable height (at least one).
int PrintLinesPerPage(double pageHeightUnits);

// A sheet that does not fit one page goes on over further pages, each laid out from
// the top again, so no line is lost below the printable area.
std::vector<PrintPage> PaginateDatasheet(int lineCount, double pageHeightUnits);
