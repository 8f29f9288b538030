// The datasheet of one tag of a sized list: the sizing screen's datasheet (spring
// return, double acting or electric) holding that tag's row, with the tag as title and as
// the footer's reference. Labels and words come from the active string table.
#pragma once

#include "core/chart/torque_chart.h"
#include "core/report/datasheet_frame.h"
#include "lists/list_sizing.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

// The lines of the sheet; empty for a row that could not be sized (an error row).
std::vector<std::string> ListDatasheetLines(const ListSizer& sizer, const SizedRow& row, const DatasheetFrame& frame);

// The torque chart of the row, as the list screen shows it beside the table; nothing for
// an error row. A PDF datasheet's chart may stand on a page of its own, so there the tag
// leads its title ("XV-1001: RPS 120, 5.5 bar, Fail Close").
std::optional<TorqueChartData> ListRowChart(const ListSizer& sizer, const SizedRow& row, bool tagInTitle = false);

// A tag's sheet as a PDF draws it: the lines, and the chart below them when asked for
// (with the tag leading its title).
struct ListSheet {
    std::vector<std::string> lines;
    std::optional<TorqueChartData> chart;
};
ListSheet MakeListSheet(const ListSizer& sizer, const SizedRow& row, const DatasheetFrame& frame, bool withChart);

// Whether a row gets a datasheet: every row that was sized, whether an actuator fits or
// not, since a no-fit sheet still sets out what the valve demands; not a row whose
// inputs could not be read. The list screen and vnsize both follow it.
bool HasDatasheet(const SizedRow& row);
// The rows that have a sheet, in list order.
std::vector<std::size_t> RowsWithSheets(const std::vector<SizedRow>& rows);

// A file name for a tag's text datasheet: characters that a file name cannot hold made
// '_', ".txt" added; "sheet" for an empty tag. A long tag is cut at a character so that the
// name, with a "-2" the caller may add to make a repeated name unique, fits in 255 bytes.
std::string TagFileName(const std::string& tag);

// Called before each row with the rows done so far; returning false stops the writing.
using SheetsProgress = std::function<bool(std::size_t done)>;

// Writes every sized row's sheet into folder as TagFileName(tag) (a repeated tag gets
// "-2", "-3" ...). Returns the files written, each whole; error names the file that
// failed and why. A stop leaves the files written so far, with error empty.
std::vector<std::string> WriteListDatasheets(const std::string& folder, const ListSizer& sizer,
                                             const std::vector<SizedRow>& rows, const DatasheetFrame& frame,
                                             std::string& error, const SheetsProgress& progress = {});
