#include "list_support.h"

#include <gtest/gtest.h>

Sized SizeText(ListSizer& sizer, const std::string& text) {
    Sized out;
    out.result = SizeListText(
        text, "list.csv", sizer,
        [&](const ListSizer& s) {
            out.header = s.OutputHeader();
            return true;
        },
        [&](SizedRow&& row, unsigned long long) {
            out.rows.push_back(std::move(row));
            return true;
        });
    return out;
}

Sized SizeFile(ListSizer& sizer, const std::string& file) {
    Sized out;
    out.result = SizeListFile(file, sizer, nullptr, [&](SizedRow&& row, unsigned long long) {
        out.rows.push_back(std::move(row));
        return true;
    });
    out.header = sizer.OutputHeader();
    return out;
}

std::string Cell(const Sized& s, std::size_t row, const std::string& column) {
    for (std::size_t c = 0; c < s.header.size(); ++c)
        if (s.header[c] == column)
            return s.rows.at(row).cells.at(c);
    ADD_FAILURE() << "no column " << column;
    return {};
}

std::string Status(const SizedRow& row) {
    return row.cells.back();
}
