// A seam for tests: makes the program's file writing fail the way a full disk, an I/O
// error or a missing folder would, so every save path can prove that it reports the
// failure and leaves the previous file as it was. Nothing sets it outside tests.
#pragma once

#include <cstddef>

namespace file_faults {

// Writes fail once this many more bytes have been written (negative: never).
void FailWritesAfter(long bytes);
// Opening a file for writing fails.
void FailCreate(bool on);
// Renaming a finished file over its target fails.
void FailRename(bool on);
void Reset();

// Used by the file classes.
bool WriteAllowed(std::size_t bytes);
bool CreateAllowed();
bool RenameAllowed();

} // namespace file_faults
