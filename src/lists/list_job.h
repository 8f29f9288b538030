// A whole valve list sized in one go, as the list screen and vnsize both do it: the
// actuator file's kind read from its contents, the list read, every row sized and handed
// on with the progress made.
#pragma once

#include "lists/list_sizing.h"

#include <functional>
#include <string>

enum class ActuatorKind { Unknown, Pneumatic, Electric };

// Pneumatic ranges hold 18 lines a record, electric ones 11; the kind is read from the
// file's lines, whatever its name. Unknown, with a message naming the file, when it
// cannot be read or is neither.
ActuatorKind DetectActuatorKind(const std::string& fileName, std::string& message);

// Called once the header is known (the sizer's output header is then ready); returning
// false stops.
using ListHeaderSink = std::function<bool(const ListSizer& sizer)>;
// Called with every sized row and the bytes of the list read so far; returning false
// stops (a cancel).
using SizedRowSink = std::function<bool(SizedRow&& row, unsigned long long bytesRead)>;

// What stopped a list before its rows were sized.
enum class ListFault {
    None,
    Read,    // the file: it cannot be opened, is not text, breaks the CSV rules, or is no workbook
             // that can be read
    Columns, // a needed column is missing, or columns are ambiguous
    Unit,    // a header gives a unit its value cannot have
    Decimal, // the list's numbers do not show one decimal mark
};

struct ListJobResult {
    bool ok = false;        // the list was read and sized to its end
    bool cancelled = false; // a sink stopped it
    std::string message;    // when not ok and not cancelled: names the file and the line
    ListFault fault = ListFault::None;
    long rows = 0;
    long sized = 0; // rows with status ok
    long noFit = 0;
    long checkFailed = 0; // an actuator fits, a check beside the sizing does not pass
    long errors = 0;
    long warned = 0;  // rows with a warning, whatever their status
    long skipped = 0; // rows with every field empty, passed over like blank lines
    ListFormat format;
};

// Whether a record is a row of empty fields (a spreadsheet's ";;;;"), which counts as a
// blank line.
bool BlankRecord(const ListRecord& record);

// Reads the list twice: once to find its columns, its decimal mark (from the cells of a
// tab-separated list or a workbook) and its repeated tags, then to size every record. The
// header goes to sizer and onHeader before the first row. The file is read as a workbook
// when it is one by its content (the sheet the sizer's settings name, or the first), and
// as CSV otherwise.
ListJobResult SizeListFile(const std::string& fileName, ListSizer& sizer, const ListHeaderSink& onHeader,
                           const SizedRowSink& onRow);
// The same for a list held in memory; name is used in messages.
ListJobResult SizeListText(std::string_view text, const std::string& name, ListSizer& sizer,
                           const ListHeaderSink& onHeader, const SizedRowSink& onRow);
