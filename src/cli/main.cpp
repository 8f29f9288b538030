// vnsize: sizes every valve of a valve list from the command line, with the same rules
// and arithmetic as the programs' screens.
#include "cli_options.h"
#include "size_run.h"

int main(int argc, char** argv) {
    CliOptions options;
    if (const int status = ReadCommandLine(argc, argv, options); status >= 0)
        return status;
    StopSizingOnSignals();
    return RunSizing(options);
}
