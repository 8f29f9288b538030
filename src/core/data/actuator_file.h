// The head and record loop shared by the pneumatic and the electric actuator files:
// a title line, a count line, three skipped lines, then fixed-length records of one
// value per line.
#pragma once

#include "core/data/read_status.h"
#include "core/report/textfile.h"
#include "core/text/text_util.h"

#include <array>
#include <new>
#include <string>
#include <vector>

namespace actuator_file {

constexpr std::size_t kLineChars = 79;
constexpr std::size_t kTitleChars = 79;
// The record count of a file is one byte wide.
constexpr int kMaxRecords = 255;

// Reads the whole file. Parse turns the lines of one record into an item. `present`
// tells whether the record array was allocated (the file passed its head).
template <std::size_t Lines, class Item, class Parse>
int Read(Textfile& file, std::string& title, std::vector<Item>& items, bool& present, Parse parse) {
    items.clear();
    present = false;
    if (!file.Open(Textfile::ModeRead))
        return ReadCannotOpen;
    file.Rewind();

    std::string line;
    auto finish = [&](int status) {
        file.Close();
        return status;
    };
    if (!file.ReadLine(line, kLineChars))
        return finish(ReadShort);
    title = CutToField(line, kTitleChars);
    if (!file.ReadLine(line, kLineChars))
        return finish(ReadShort);
    const int declared = TruncToInt(ParseDouble(line));
    if (declared < 1)
        return finish(ReadNoRecords);
    for (int skip = 0; skip < 3; ++skip)
        if (!file.ReadLine(line, kLineChars))
            return finish(ReadShort);

    const int wanted = declared > kMaxRecords ? kMaxRecords : declared;
    try {
        items.reserve(static_cast<std::size_t>(wanted));
    } catch (const std::bad_alloc&) {
        return finish(ReadNoMemory);
    }
    present = true;

    std::array<std::string, Lines> record;
    for (int r = 0; r < wanted; ++r) {
        for (std::string& value : record)
            if (!file.ReadLine(value, kLineChars))
                return finish(ReadShort);
        items.push_back(parse(record));
    }
    return finish(declared > kMaxRecords ? ReadTooMany : ReadComplete);
}

} // namespace actuator_file
