// Writing a sized list: CSV (the input's separator and decimal mark), a workbook (XLSX,
// header row, frozen panes, numbers as number cells) or JSON (an array of objects keyed
// by the column names). A writer takes the rows one at a time, so a CSV or JSON list of
// any length is written without holding it. Every file is built beside its target and
// renamed over it by Commit: a failed or abandoned write leaves the old file as it was.
#pragma once

#include "lists/list_sizing.h"

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

struct ListSummary;
struct SummaryTable;

enum class ListFileKind { Csv, Xlsx, Json };

// The kind a file name asks for by its suffix (".xlsx", ".json", otherwise CSV).
ListFileKind ListFileKindOf(const std::string& fileName);

// How a workbook lays its sheet out; other formats have no layout.
struct SheetLayout {
    int frozenColumns = 0;      // columns kept in view at the left, besides the header row
    std::vector<double> widths; // per column, in characters; empty: as wide as the header
    int warningsColumn = -1;    // where a cell cut to fit is said; -1: nowhere
    // A sheet "Summary" after the list, filled by SetSummary.
    bool summary = false;
    // The lines of a sheet "Assumptions": "label: text" goes into two cells.
    std::vector<std::string> assumptions;
};

class ListWriter {
public:
    virtual ~ListWriter() = default;
    // Before Begin: the sheet's layout, for a writer that has one.
    virtual void SetLayout(const SheetLayout&) {}
    // The header and per column whether its cells are numbers.
    virtual bool Begin(const std::vector<std::string>& header, const std::vector<CellKind>& kinds) = 0;
    virtual bool Row(const std::vector<std::string>& cells) = 0;
    // A row whose last exact.size() cells may stand for a value more precise than they show
    // (NaN where not); a writer that keeps numbers stores that value.
    virtual bool Row(const std::vector<std::string>& cells, const std::vector<float>& exact) {
        (void)exact;
        return Row(cells);
    }
    // After the rows: the list's summary, for a writer that has a place for it (a workbook's
    // Summary sheet).
    virtual void SetSummary(const SummaryTable&) {}
    // Finishes the file and puts it in place; false when anything failed on the way.
    virtual bool Commit() = 0;
    // What went wrong, naming the file; empty when nothing did.
    const std::string& Error() const { return error_; }
    // Cells cut to fit the format (a workbook cell holds 32767 characters); each such row's
    // Warnings cell says so in the file.
    long CutCells() const { return cutCells_; }

protected:
    std::string error_;
    long cutCells_ = 0;
};

// A writer for the file; the format's decimal mark is used for CSV numbers. An abandoned
// writer (destroyed without Commit) removes its temporary file.
std::unique_ptr<ListWriter> MakeListWriter(ListFileKind kind, const std::string& fileName, const ListFormat& format);
// CSV into a stream that stays open (standard output).
std::unique_ptr<ListWriter> MakeCsvStreamWriter(std::FILE* stream, const ListFormat& format);

// A sized list into a writer, as the list screen and vnsize write it: the sizer's header
// and kinds and, for a workbook, the header row and the Tag column kept in view, columns
// as wide as their contents and the Assumptions sheet; then each row with its exact values.
bool BeginSizedList(ListWriter& writer, const ListSizer& sizer, const std::vector<std::string>& assumptions);
bool WriteSizedRow(ListWriter& writer, const SizedRow& row);
// The summary after the rows, then the file put in place.
bool FinishSizedList(ListWriter& writer, const ListSizer& sizer, const ListSummary& summary);

// One CSV field, quoted when it holds the separator, a quote or a line break.
std::string CsvField(const std::string& text, char separator);
// A JSON string literal for UTF-8 text.
std::string JsonString(const std::string& text);
