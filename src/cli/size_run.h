// One run of vnsize: the data files read, the list sized row by row into the output, and
// the datasheets written when asked for.
#pragma once

#include "cli_options.h"

// Returns the exit status; every message has gone to standard error.
int RunSizing(const CliOptions& options);

// Ctrl-C and termination end the run between two rows, so that no half-written file is
// left behind and the previous output stays as it was.
void StopSizingOnSignals();
