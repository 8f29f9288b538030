// Reading a valve list: a CSV file in UTF-8 (a byte-order mark is skipped), Windows-1252
// or UTF-16 with a byte-order mark (list_encoding.h), whose first line names the columns. The separator (comma, semicolon or tab) is taken from that
// line; quoted fields may hold separators, quotes and line breaks. Records are handed
// over one by one as they are read, so a list of any length takes little memory.
#pragma once

#include "lists/list_encoding.h"

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// How a list's decimal mark was settled: by its separator (a comma-separated list uses the
// point, a semicolon-separated one the comma), by what its number cells show (a
// tab-separated list or a workbook), or by the user.
enum class DecimalSource { Separator, Cells, Chosen };

struct ListFormat {
    char separator = ',';
    // The list's numbers are written with a decimal comma (and grouped with points).
    bool decimalComma = false;
    DecimalSource decimalSource = DecimalSource::Separator;
    // The list began with a byte-order mark; a CSV written from it gets one too, which
    // some spreadsheets need to read UTF-8.
    bool byteOrderMark = false;
    // What the list was saved in; its text is read, and written, as UTF-8.
    ListEncoding encoding = ListEncoding::Utf8;
    // The list is a workbook's sheet; a CSV written from it is comma-separated with the
    // point, unless its numbers are read with the comma.
    bool workbook = false;
    std::string sheet; // the sheet read
};

struct ListRecord {
    long line = 0; // the line the record starts on, counting from 1
    std::vector<std::string> fields;
    unsigned long long offset = 0; // bytes of the input read once this record was complete
    // Per field, whether it is a workbook's number cell, whose text is the number itself
    // and shows no decimal mark of the list's own; empty for CSV.
    std::vector<bool> numeric;
};

struct ListReadResult {
    bool ok = false;
    std::string message; // when not ok: what is wrong, naming the line when there is one
    long line = 0;
    ListFormat format;
    long records = 0; // records handed over, the header included
};

// The separator of a header line: whichever of tab, semicolon and comma occurs most often
// outside quotes; a comma when none does.
char DetectSeparator(std::string_view headerLine);

// The format of a list from its first bytes (at least its header line when it has one):
// the separator is told by the header, the first line that is not blank; a UTF-16 list by
// its byte-order mark.
ListFormat DetectListFormat(std::string_view start);

// Called with every record in order, the header first. Returning false stops the reading
// (the result then says so, with ok false and an empty message).
using ListRecordSink = std::function<bool(ListRecord&& record)>;

// Reads the file. Fails with a message for a file that cannot be opened, an empty file,
// a file in no encoding the reader knows, and a quote left open at the end.
ListReadResult ReadListFile(const std::string& fileName, const ListRecordSink& sink);
// The same for a list held in memory.
ListReadResult ReadListText(std::string_view text, const ListRecordSink& sink);

// The header of a list file, its first record; empty when there is none to read. A
// workbook's is read from the sheet named, or the first.
std::vector<std::string> ReadListHeader(const std::string& fileName, const std::string& sheet = {});
