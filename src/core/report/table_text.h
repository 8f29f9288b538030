// The result tables of the screens as datasheet text. A table is a list of columns,
// each with one or two header lines and one cell per row; the screens read these back
// from their result list. Widths count characters, so accented words line up.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

struct TableColumn {
    std::vector<std::string> header; // one or two lines: title, then "[unit]"
    std::vector<std::string> cells;

    // Header line k, or an empty text when the column has no such line.
    const std::string& HeaderLine(std::size_t k) const;
    const std::string& Cell(std::size_t row) const;
};

// The table of the calculation screens' common datasheet: each column as wide as its
// longest header line or cell, plus 2 but for the last; both header lines, an underline
// as long as the second, a blank line, then the rows.
std::vector<std::string> GenericTableText(const std::vector<TableColumn>& columns);

// The tool screens' table: every cell padded to cellWidth and followed by separator (a
// longer cell is not cut). The underline is as long as header line 1 or 2.
std::vector<std::string> FixedTableText(const std::vector<TableColumn>& columns, std::size_t cellWidth,
                                        const std::string& separator, int underlineHeaderLine);

// A table split into a valve group on the left and the actuator on the right, with a
// group line above the column headers.
struct GroupedTableLayout {
    std::size_t groupColumns = 0;       // columns of the valve group
    bool widthFromBothHeaders = false;  // otherwise only header line 1 counts toward a width
    int extraWidthColumn = -1;          // one more character for this column
    std::vector<int> headerLine;        // per column, which header line the header row shows
    std::size_t gapBlanks = 0;          // blanks that end the group in the underline
    std::string groupTitle;             // left part of the group line, in its final case
    std::string actuatorTitle;          // right part of the group line
    std::string headerSuffix;           // text after the last column header
    std::vector<std::string> rowSuffix; // text after each row's last cell
};
std::vector<std::string> GroupedTableText(const std::vector<TableColumn>& columns, const GroupedTableLayout& layout);

// Words of the group line, in the active language.
struct TableWords {
    std::string valve;    // string 124
    std::string torque;   // string 13
    std::string actuator; // string 42
};

// The spring-return sizing table (seven columns).
std::vector<std::string> SpringReturnTableText(const std::vector<TableColumn>& columns, const TableWords& words);

// The electric sizing table (four columns); each row ends with the chosen actuator's torques.
std::vector<std::string> ElectricSizingTableText(const std::vector<TableColumn>& columns, const TableWords& words,
                                                 const std::vector<std::string>& rowSuffix);

// The database sizing table: six columns, the valve group of three (pneumatic) or five
// (electric, whose rows end with the actuator's torques).
std::vector<std::string> DatabaseTableText(const std::vector<TableColumn>& columns, const TableWords& words,
                                           bool electric, const std::vector<std::string>& rowSuffix = {});

// What follows an electric row: the chosen record's break/seat and running torque, in
// in.lb cut to whole numbers when imperial, or "---" twice when nothing was found.
std::string ElectricTorqueSuffix(bool found, int breakSeatTorque, int runTorque, bool imperial);

// The header text that closes the electric tables' column header line.
inline const char* const kElectricHeaderSuffix = "Break/Seat  Run    ";
