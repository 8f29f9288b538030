// The account a sized list gives of how it was read: the column each value came from, the
// values the list has no column for and what stands in for them, the columns passed
// through, and the decimal mark with how it was settled. vnsize prints it, the list
// screen shows it above the table.
#pragma once

#include "lists/list_sizing.h"

#include <string>
#include <vector>

struct ListAccount {
    struct Column {
        ListRole role;
        std::string header;
        std::string unit; // from the header's brackets
        bool chosen = false;
    };
    std::vector<Column> columns;  // the values read, in the order of the roles
    std::vector<ListRole> missing; // values the list has no column for (of those the sizing can read)
    std::vector<std::string> passed; // the other columns, as the list names them
    std::vector<std::string> leftOut; // an earlier sizing's columns, made anew
    bool decimalComma = false;
    DecimalSource decimalSource = DecimalSource::Separator;
    char separator = ',';
    ListEncoding encoding = ListEncoding::Utf8;
    bool workbook = false;
    std::string sheet; // the workbook's sheet read
    // What stands in for an empty or missing value.
    bool pneumatic = true;
    bool imperial = false;
    float pressure = 0; // in the list's units
    ValueSource pressureSource = ValueSource::BuiltIn;
    std::string settingsFile;
    bool checks = false; // the list gives a value of the checks beside the sizing
    bool flowCv = false; // its flow coefficient column holds Cv
};

// The account of the list whose header sizer holds.
ListAccount AccountOf(const ListSizer& sizer);

// The account in English, one line each for the sheet of a workbook, the columns, the
// values not in the list with their defaults, the columns passed through, the decimal mark,
// and the encoding when the list is not UTF-8.
std::vector<std::string> AccountLines(const ListAccount& account);
