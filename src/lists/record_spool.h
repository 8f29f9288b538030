// The records of a list's first reading, kept in a temporary file so that the second
// reading takes them from there instead of parsing a workbook's XML again: that parsing is
// most of the time a workbook takes. Memory stays what one record takes; the file goes
// when the spool does.
#pragma once

#include "lists/list_cells.h"
#include "lists/list_reader.h"

#include <cstdio>
#include <string>

class RecordSpool {
public:
    RecordSpool();
    ~RecordSpool();
    RecordSpool(const RecordSpool&) = delete;
    RecordSpool& operator=(const RecordSpool&) = delete;

    // Keeps a record, its number cells with the decimal point. False once the temporary
    // file cannot be made or take more; the list must then be read again.
    bool Put(const ListRecord& record);
    bool Usable() const { return file_ != nullptr && !failed_; }

    // Hands the records over again in their order, number cells with the mark given, as
    // the first reading's result said. A sink that returns false stops it, as a reader's.
    ListReadResult Replay(DecimalMark mark, const ListReadResult& first, const ListRecordSink& sink);

private:
    std::FILE* file_ = nullptr;
    bool failed_ = false;
    std::string buffer_;
};
