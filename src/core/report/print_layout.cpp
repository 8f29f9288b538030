#include "core/report/print_layout.h"

#include <cmath>

int PrintLinesPerPage(double pageHeightUnits) {
    const double fit = std::floor((pageHeightUnits - kPrintTop) / kPrintLinePitch);
    if (!(fit >= 1))
        return 1;
    return fit > 100000 ? 100000 : static_cast<int>(fit);
}

std::vector<PrintPage> PaginateDatasheet(int lineCount, double pageHeightUnits) {
    const int perPage = PrintLinesPerPage(pageHeightUnits);
    std::vector<PrintPage> pages;
    for (int first = 0; first < lineCount; first += perPage)
        pages.push_back({first, lineCount - first < perPage ? lineCount - first : perPage});
    if (pages.empty())
        pages.push_back({0, 0}); // an empty sheet still prints one blank page
    return pages;
}
