// What vnsize is asked to do, read from its command line with CLI11.
#pragma once

#include "lists/list_sizing.h"

#include <string>
#include <vector>

// Exit statuses: every row sized; some rows found no actuator, failed a check or could not be
// sized; the list, a data file or the options could not be used, or the output could not be
// written.
constexpr int kExitAllSized = 0;
constexpr int kExitSomeRows = 1;
constexpr int kExitFailed = 2;
// A run stopped by Ctrl-C or a termination signal: 128 + SIGINT, as shells report it.
constexpr int kExitStopped = 130;

struct CliOptions {
    std::string actuators; // empty: the settings file's
    std::vector<std::string> valves; // empty: the settings file's, if it names one
    std::string list;
    std::string output;     // empty: CSV on standard output
    std::string datasheets; // a folder of text sheets, or a file ending in ".pdf"
    std::string summary;    // --summary FILE: the list's summary, CSV or JSON by its suffix
    std::string place;      // the place line of the datasheets
    bool placeGiven = false;
    std::string settings;   // --settings FILE; empty: the program's file in this folder
    bool noSettings = false;
    int units = -1;         // 0 metric, 1 imperial, -1 as the settings say (metric without)
    int language = -1;      // 0 English, 1 Dutch, 2 German, 3 French; -1 as the settings say
    bool charts = true;     // a PDF datasheet carries its torque chart
    bool textSheets = false; // --sheets text: the sizing screens' printout per tag, not the package
    int paper = -1;          // 0 A4, 1 Letter, -1 as the system's locale says
    std::string projectFile; // --project FILE: key = value lines
    // the project data given as options, over the file's; a field not given is empty
    std::string project, customer, document, revision, engineer;
    bool projectGiven[5] = {false, false, false, false, false};
    std::string pressureText; // --pressure as typed
    bool pressureGiven = false;
    DecimalChoice decimal = DecimalChoice::FromList;
    std::vector<ColumnChoice> columns;
    std::string sheet; // --sheet: a workbook list's sheet; empty: its first
};

// Reads the command line into options. Returns -1 when vnsize should go on; otherwise the
// exit status, after --help or --version (0) or a usage error (2, the message printed).
int ReadCommandLine(int argc, char** argv, CliOptions& options);

// The default supply pressure in the list's units: 4 bar, which is 58 psi.
float DefaultPressure(bool imperial);

// A pressure typed on the command line, with a decimal point or a decimal comma, in the
// list's units. False, with a message, when it is no number or lies outside 2 to 10 bar
// (29 to 145 psi).
bool ReadPressure(const std::string& text, bool imperial, float& pressure, std::string& message);

// True for a datasheet target that names a PDF file rather than a folder.
bool IsPdfName(const std::string& name);
