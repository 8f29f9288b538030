// A result table as text for the clipboard: tab between the cells, one line per row, so
// that a spreadsheet pastes one value into each cell. Kept apart from the widget so the
// text can be checked without a window.
#pragma once

#include "core/report/table_text.h"

#include <cstddef>
#include <string>
#include <vector>

// One row, every column; empty when the table has no such row. Rows are the lines of
// the first column, as the datasheets count them.
std::string CopiedRow(const std::vector<TableColumn>& columns, std::size_t row);

// Both header lines (a column with one line leaves the second cell empty), then every row.
std::string CopiedTable(const std::vector<TableColumn>& columns);
