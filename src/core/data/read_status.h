// Status codes of the data readers and writers. Readers show nothing; the window that
// uses the data decides what the user sees.
#pragma once

enum ReadStatus {
    ReadComplete = 0,
    ReadCannotOpen = -1, // missing, unreadable, or an empty name; for writers: cannot be written
    ReadNoRecords = -2,  // the count line gives fewer than 1
    ReadShort = -3,      // the file ends early or breaks its layout; what was complete survives
    ReadNoMemory = -4,
    ReadTooMany = -5, // an actuator file declares more than 255 records: the first 255 were read
};
