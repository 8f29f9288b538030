#include "core/tables/table_copy.h"

namespace {

// A tab or a line break inside a cell would split it over two cells or rows, and the
// blanks that line up a column on screen would end up inside the spreadsheet's cell.
std::string CellText(const std::string& cell) {
    std::string text = cell;
    for (char& c : text)
        if (c == '\t' || c == '\r' || c == '\n')
            c = ' ';
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

template <class CellOf> std::string Line(const std::vector<TableColumn>& columns, CellOf cellOf) {
    std::string line;
    for (std::size_t c = 0; c < columns.size(); ++c) {
        if (c > 0)
            line += '\t';
        line += CellText(cellOf(columns[c]));
    }
    return line;
}

std::size_t RowCount(const std::vector<TableColumn>& columns) {
    return columns.empty() ? 0 : columns[0].cells.size();
}

} // namespace

std::string CopiedRow(const std::vector<TableColumn>& columns, std::size_t row) {
    if (row >= RowCount(columns))
        return {};
    return Line(columns, [row](const TableColumn& column) { return column.Cell(row); });
}

std::string CopiedTable(const std::vector<TableColumn>& columns) {
    if (columns.empty())
        return {};
    std::string text = Line(columns, [](const TableColumn& column) { return column.HeaderLine(0); });
    text += '\n';
    text += Line(columns, [](const TableColumn& column) { return column.HeaderLine(1); });
    for (std::size_t row = 0; row < RowCount(columns); ++row)
        text += '\n' + CopiedRow(columns, row);
    return text;
}
