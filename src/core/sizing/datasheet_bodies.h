// The datasheet bodies of the torque and sizing screens, from the inputs as shown and
// the table's texts. Labels and words come from the active string table.
#pragma once

#include "core/report/datasheet_frame.h"
#include "core/report/table_text.h"

#include <optional>
#include <string>
#include <vector>

// The input lines a screen prints; a line whose field the screen lacks stays empty.
struct InputLines {
    std::string actuatorTitle;
    std::optional<float> pressure;
    std::string pressureUnit;
    std::optional<std::string> valveType;
    std::optional<float> safety;
    std::optional<float> seating;
    std::optional<float> running;
    std::optional<std::string> action;
};

std::vector<std::string> InputLinesText(const InputLines& inputs);

// Inputs, two empty lines, the table with one column per width, two empty lines.
std::vector<std::string> GenericScreenBody(const InputLines& inputs, const std::vector<TableColumn>& columns);

// As the generic body, with the grouped spring-return table.
std::vector<std::string> SpringReturnScreenBody(const InputLines& inputs, const std::vector<TableColumn>& columns);

// As the generic body, with the grouped electric table; each row ends with the chosen
// record's torques (index -1: none).
std::vector<std::string> ElectricSizingScreenBody(const InputLines& inputs, const std::vector<TableColumn>& columns,
                                                  const std::vector<std::string>& rowSuffix);

// Database sizing: what the sheet says about the valve series and its notes.
struct DatabaseSheet {
    bool hasDatabase = false;
    std::string valveName;
    std::string pageName;
    InputLines inputs; // actuator title, pressure and action only
    std::vector<TableColumn> columns;
    bool electric = false;
    std::vector<std::string> rowSuffix; // electric rows
    float safety = 0;
    std::string seatingText; // the fields' texts as shown
    std::string runningText;
    bool imperial = false;
    std::string source;
};

// The body from the first line after the title block to the end of the table.
std::vector<std::string> DatabaseScreenBody(const DatabaseSheet& sheet);
// The five note lines that start on line 47.
std::vector<std::string> DatabaseNoteLines(const DatabaseSheet& sheet);

// Writes the database sizing sheet: the body, padding so the notes start on line 47,
// the notes, and the footer with the page's drawing number as reference.
bool WriteDatabaseDatasheet(Textfile& file, const DatasheetFrame& frame, const std::string& title,
                            const DatabaseSheet& sheet);
