// Reading a valve list from a workbook (.xlsx): its first worksheet, or the one named, is
// streamed out of the archive row by row and handed over as records, as the CSV reader
// hands over lines. The header is the first row that is not empty; a record's line is the
// sheet's row number; empty cells are empty fields, and rows without any value are passed
// over like blank lines. Number cells are handed over as the shortest text that reads back
// to their value, with the decimal mark asked for; the record says which fields they are.
#pragma once

#include "lists/list_cells.h"
#include "lists/list_reader.h"

#include <string>
#include <vector>

// What a list file is, told by its first bytes: a zip archive is taken for a workbook, an
// OLE compound file for an old binary or a password-protected workbook, anything else
// for CSV text.
enum class ListFileType { Text, Workbook, BinaryWorkbook, EncryptedWorkbook };
ListFileType ListFileTypeOf(const std::string& fileName);

struct WorkbookReadOptions {
    std::string sheet;                     // the worksheet to read; empty: the first
    DecimalMark mark = DecimalMark::Point; // the mark number cells are handed over with
};

// The names of the workbook's worksheets, in its order. False, with a message naming the
// file, when it is no workbook that can be read.
bool ReadWorkbookSheets(const std::string& fileName, std::vector<std::string>& sheets, std::string& message);

// Reads the sheet. The result's format names the sheet read. Fails with a message naming
// the file for an old binary .xls, an encrypted workbook, a file that is no workbook, a
// sheet the workbook does not have (naming those it has), an empty sheet and a damaged
// part.
ListReadResult ReadWorkbookFile(const std::string& fileName, const WorkbookReadOptions& options,
                                const ListRecordSink& sink);
