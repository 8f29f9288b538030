// What a workbook holds beside its sheets' cells: the worksheets and the parts they lie in,
// the shared text the cells point into, and which cell styles show a number as a date or
// a time. Of the styles only that is kept, so memory does not grow with a sheet's
// formatting; a number shown with a unit ("0 \"Nm\"") is simply a number.
#pragma once

#include "lists/list_cells.h"
#include "lists/workbook_archive.h"

#include <string>
#include <string_view>
#include <vector>

struct WorkbookSheet {
    std::string name;
    std::string part; // its path in the archive
};

// How a cell style shows a number.
enum class NumberShown : unsigned char { Number, Date, Time };

class WorkbookBook {
public:
    // Opens the file and finds its worksheets. False, with a sentence that does not name
    // the file, when it holds no workbook this can read.
    bool Open(const std::string& fileName, std::string& message);
    // The worksheets in the workbook's order; chart sheets are left out.
    const std::vector<WorkbookSheet>& Sheets() const { return sheets_; }
    // The worksheet of that name, case aside, or the first when name is empty; null when
    // there is none.
    const WorkbookSheet* FindSheet(const std::string& name) const;
    // Reads the shared text and the styles that the cells refer to.
    bool ReadCellParts(std::string& message);
    const std::vector<std::string>& SharedStrings() const { return shared_; }
    NumberShown Shown(unsigned long style) const;
    bool Date1904() const { return date1904_; }
    const WorkbookArchive& Archive() const { return archive_; }

private:
    WorkbookArchive archive_;
    std::vector<WorkbookSheet> sheets_;
    std::string sharedPart_;
    std::string stylesPart_;
    std::vector<std::string> shared_;
    std::vector<NumberShown> styles_; // by the style index a cell gives
    bool date1904_ = false;
};

// How a number format shows a number: a date when it has days, months or years, a time
// when it has only hours, minutes or seconds; quoted text and escapes do not count.
NumberShown ShownByFormat(std::string_view code);
// The same for the formats every workbook has without writing them down.
NumberShown ShownByBuiltInFormat(unsigned long id);

// A number cell's value as a list's cell gives it: the shortest text that reads back to
// the same value, with the mark given and no grouping.
std::string WorkbookNumberText(double value, DecimalMark mark);
// A date or time cell as text: "2024-03-05", "2024-03-05 14:30", "14:30:15". False when
// the number is no date a workbook can show.
bool WorkbookDateText(double serial, NumberShown shown, bool date1904, std::string& text);

// Text as a workbook keeps it, with "_x000D_" and its kin turned back into characters.
std::string UnescapeWorkbookText(std::string_view text);
