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

struct ListJobResult {
    bool ok = false;        // the list was read and sized to its end
    bool cancelled = false; // a sink stopped it
    std::string message;    // when not ok and not cancelled: names the file and the line
    long rows = 0;
    long sized = 0; // rows with status ok
    long noFit = 0;
    long errors = 0;
    ListFormat format;
};

// Reads fileName, gives the header to sizer and onHeader, then sizes every record.
ListJobResult SizeListFile(const std::string& fileName, ListSizer& sizer, const ListHeaderSink& onHeader,
                           const SizedRowSink& onRow);
// The same for a list held in memory; name is used in messages.
ListJobResult SizeListText(std::string_view text, const std::string& name, ListSizer& sizer,
                           const ListHeaderSink& onHeader, const SizedRowSink& onRow);
