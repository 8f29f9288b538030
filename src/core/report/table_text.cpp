#include "core/report/table_text.h"

#include "core/text/text_util.h"
#include "core/units/conversions.h"

#include <algorithm>

namespace {

const std::string kEmpty;

std::size_t RowCount(const std::vector<TableColumn>& columns) {
    return columns.empty() ? 0 : columns[0].cells.size();
}

std::string Underline(std::size_t length) {
    return std::string(length, '_');
}

} // namespace

const std::string& TableColumn::HeaderLine(std::size_t k) const {
    return k < header.size() ? header[k] : kEmpty;
}

const std::string& TableColumn::Cell(std::size_t row) const {
    return row < cells.size() ? cells[row] : kEmpty;
}

std::vector<std::string> GenericTableText(const std::vector<TableColumn>& columns) {
    const std::size_t rows = RowCount(columns);
    std::vector<std::size_t> width;
    for (std::size_t c = 0; c < columns.size(); ++c) {
        std::size_t w = std::max(Utf8Length(columns[c].HeaderLine(0)), Utf8Length(columns[c].HeaderLine(1)));
        for (std::size_t r = 0; r < rows; ++r)
            w = std::max(w, Utf8Length(columns[c].Cell(r)));
        width.push_back(c + 1 < columns.size() ? w + 2 : w);
    }
    auto line = [&](auto cellOf) {
        std::string text;
        for (std::size_t c = 0; c < columns.size(); ++c)
            text += PadRight(cellOf(columns[c]), width[c]);
        return text;
    };
    std::vector<std::string> out;
    out.push_back(line([](const TableColumn& col) { return col.HeaderLine(0); }));
    out.push_back(line([](const TableColumn& col) { return col.HeaderLine(1); }));
    out.push_back(Underline(Utf8Length(out.back())));
    out.push_back("");
    for (std::size_t r = 0; r < rows; ++r)
        out.push_back(line([r](const TableColumn& col) { return col.Cell(r); }));
    return out;
}

std::vector<std::string> FixedTableText(const std::vector<TableColumn>& columns, std::size_t cellWidth,
                                        const std::string& separator, int underlineHeaderLine) {
    const std::size_t rows = RowCount(columns);
    auto line = [&](auto cellOf) {
        std::string text;
        for (const TableColumn& col : columns)
            text += PadRight(cellOf(col), cellWidth) + separator;
        return text;
    };
    std::vector<std::string> out;
    out.push_back(line([](const TableColumn& col) { return col.HeaderLine(0); }));
    out.push_back(line([](const TableColumn& col) { return col.HeaderLine(1); }));
    out.push_back(Underline(Utf8Length(out[underlineHeaderLine == 1 ? 0 : 1])));
    out.push_back("");
    for (std::size_t r = 0; r < rows; ++r)
        out.push_back(line([r](const TableColumn& col) { return col.Cell(r); }));
    return out;
}

std::vector<std::string> GroupedTableText(const std::vector<TableColumn>& columns, const GroupedTableLayout& layout) {
    const std::size_t rows = RowCount(columns);
    std::vector<std::size_t> width;
    for (std::size_t c = 0; c < columns.size(); ++c) {
        std::size_t w = Utf8Length(columns[c].HeaderLine(0));
        if (layout.widthFromBothHeaders)
            w = std::max(w, Utf8Length(columns[c].HeaderLine(1)));
        for (std::size_t r = 0; r < rows; ++r)
            w = std::max(w, Utf8Length(columns[c].Cell(r)));
        w += 2;
        if (static_cast<int>(c) == layout.extraWidthColumn)
            ++w;
        width.push_back(w);
    }
    std::size_t groupWidth = 0;
    for (std::size_t c = 0; c < layout.groupColumns && c < width.size(); ++c)
        groupWidth += width[c];

    std::vector<std::string> out;
    out.push_back(CutChars(PadRight(layout.groupTitle, groupWidth), groupWidth) + layout.actuatorTitle);
    out.push_back("");

    std::string header;
    for (std::size_t c = 0; c < columns.size(); ++c) {
        const int which = c < layout.headerLine.size() ? layout.headerLine[c] : 0;
        header += PadRight(columns[c].HeaderLine(static_cast<std::size_t>(which)), width[c]);
    }
    header += layout.headerSuffix;
    out.push_back(header);

    const std::size_t headerLength = Utf8Length(header);
    std::string underline = Underline(headerLength >= 2 ? headerLength - 2 : 0);
    for (std::size_t k = 1; k <= layout.gapBlanks && k <= groupWidth; ++k)
        if (groupWidth - k < underline.size())
            underline[groupWidth - k] = ' ';
    out.push_back(underline);
    out.push_back("");

    for (std::size_t r = 0; r < rows; ++r) {
        std::string line;
        for (std::size_t c = 0; c < columns.size(); ++c)
            line += PadRight(columns[c].Cell(r), width[c]);
        if (r < layout.rowSuffix.size())
            line += layout.rowSuffix[r];
        out.push_back(line);
    }
    return out;
}

std::vector<std::string> SpringReturnTableText(const std::vector<TableColumn>& columns, const TableWords& words) {
    GroupedTableLayout layout;
    layout.groupColumns = 4;
    layout.extraWidthColumn = 3;
    layout.headerLine = {0, 0, 0, 0, 1, 0, 0};
    layout.gapBlanks = 3;
    layout.groupTitle = ToUpperText(words.valve + " " + words.torque + " ") +
                        (columns.empty() ? std::string() : columns[0].HeaderLine(1));
    layout.actuatorTitle = ToUpperText(words.actuator);
    return GroupedTableText(columns, layout);
}

std::vector<std::string> ElectricSizingTableText(const std::vector<TableColumn>& columns, const TableWords& words,
                                                 const std::vector<std::string>& rowSuffix) {
    GroupedTableLayout layout;
    layout.groupColumns = 3;
    layout.extraWidthColumn = 2;
    layout.headerLine = {0, 0, 0, 1};
    layout.gapBlanks = 3;
    layout.groupTitle = ToUpperText(words.valve + " " + words.torque + " ") +
                        (columns.empty() ? std::string() : columns[0].HeaderLine(1));
    layout.actuatorTitle = ToUpperText(words.actuator);
    layout.headerSuffix = kElectricHeaderSuffix;
    layout.rowSuffix = rowSuffix;
    return GroupedTableText(columns, layout);
}

std::vector<std::string> DatabaseTableText(const std::vector<TableColumn>& columns, const TableWords& words,
                                           bool electric, const std::vector<std::string>& rowSuffix) {
    GroupedTableLayout layout;
    layout.widthFromBothHeaders = true;
    layout.gapBlanks = 2;
    layout.groupTitle = ToUpperText(words.valve);
    layout.actuatorTitle = ToUpperText(words.actuator);
    if (electric) {
        layout.groupColumns = 5;
        layout.headerLine = {0, 0, 0, 0, 0, 1};
        layout.headerSuffix = kElectricHeaderSuffix;
        layout.rowSuffix = rowSuffix;
    } else {
        layout.groupColumns = 3;
        layout.headerLine = {0, 0, 1, 1, 1, 0};
    }
    return GroupedTableText(columns, layout);
}

std::string ElectricTorqueSuffix(bool found, int breakSeatTorque, int runTorque, bool imperial) {
    if (!found)
        return Format("%-10s  %s", "---", "---");
    if (imperial) {
        breakSeatTorque = TruncToInt(NmToInLb(static_cast<float>(breakSeatTorque)));
        runTorque = TruncToInt(NmToInLb(static_cast<float>(runTorque)));
    }
    return Format("%-10i  %i", breakSeatTorque, runTorque);
}
