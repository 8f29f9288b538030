// A workbook of any bytes: its sheets listed, its first sheet and a sheet by name read
// with either decimal mark. Reading must end without a fault; the records must come in
// the sheet's order, say which fields are number cells, and a number cell must read back
// as one number whichever mark it was handed over with.
#include "fuzz_support.h"
#include "lists/list_cells.h"
#include "lists/workbook_reader.h"

#include <cstdlib>

namespace {

void CheckNumber(const std::string& point) {
    std::string comma = point;
    for (char& c : comma)
        if (c == '.')
            c = ',';
    const CellNumber byPoint = ReadListNumber(point, DecimalMark::Point);
    const CellNumber byComma = ReadListNumber(comma, DecimalMark::Comma);
    const bool read = byPoint.fault == NumberFault::None || byPoint.fault == NumberFault::NotFinite;
    if (!read || byComma.fault != byPoint.fault || !byPoint.unit.empty() || byPoint.value != byComma.value)
        std::abort();
}

void ReadAll(const std::string& file, const std::string& sheet, DecimalMark mark, unsigned long long size) {
    long lastLine = 0;
    unsigned long long lastOffset = 0;
    long records = 0;
    const ListReadResult read = ReadWorkbookFile(file, {sheet, mark}, [&](ListRecord&& record) {
        if (record.line <= lastLine || record.offset < lastOffset || record.offset > size ||
            record.numeric.size() != record.fields.size())
            std::abort();
        lastLine = record.line;
        lastOffset = record.offset;
        ++records;
        for (std::size_t i = 0; i < record.fields.size(); ++i)
            if (record.numeric[i] && mark == DecimalMark::Point)
                CheckNumber(record.fields[i]);
        return true;
    });
    // a refusal says why, naming the file; a list read names its sheet
    if (read.ok != read.message.empty() || read.records != records || (read.ok && read.format.sheet.empty()))
        std::abort();
    if (!read.ok && read.message.rfind(file + ": ", 0) != 0)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string file = FuzzFile("workbook", data, size);
    std::vector<std::string> sheets;
    std::string message;
    const bool listed = ReadWorkbookSheets(file, sheets, message);
    if (listed == !message.empty() || listed == sheets.empty())
        std::abort();
    ReadAll(file, "", size % 2 ? DecimalMark::Comma : DecimalMark::Point, size);
    if (!sheets.empty())
        ReadAll(file, sheets.back(), DecimalMark::Point, size);
    ReadListHeader(file);
    return 0;
}
