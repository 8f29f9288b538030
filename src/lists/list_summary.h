// A sized list's summary, as a project's reviewer reads it: what to order (each actuator
// and spring set with its count), the rows by status, the air the plant must supply, and
// the list's smallest margins with their tags. It is tallied row by row, so a list of any
// length is summed without holding it.
#pragma once

#include "lists/list_sizing.h"

#include <string>
#include <vector>

struct ListSummary {
    struct Material {
        std::string actuator; // as the Actuator column names it
        std::string springSet; // spring return: its spring set; otherwise empty
        long count = 0;
    };
    // The bill of materials over the rows with status ok, in the range's order.
    std::vector<Material> materials;
    long rows = 0;
    long ok = 0;
    long noFit = 0;
    long checkFailed = 0;
    long errors = 0;
    long warned = 0; // rows with a warning, whatever their status
    bool pneumatic = true;
    bool imperial = false;
    // Totals over the rows with status ok: free air per cycle (litres or cubic feet) and per
    // hour (m3/h or ft3/h) over the rows that give their cycles, when the list has them.
    double airPerCycle = 0;
    double airPerHour = 0;
    bool hasAirPerHour = false;
    // The smallest margins over the rows with an actuator (ok or check failed), percent.
    bool hasMargin = false;
    double margin = 0;
    std::string marginTag;
    bool hasMastMargin = false;
    double mastMargin = 0;
    std::string mastMarginTag;
};

class SummaryTally {
public:
    // The sizer may take its header after the tally is made, but before the first row.
    explicit SummaryTally(const ListSizer& sizer);
    void Add(const SizedRow& row);
    ListSummary Result() const;

private:
    struct Key {
        int index;
        bool springReturn;
        int springSet;
        bool operator<(const Key& other) const;
    };
    const ListSizer& sizer_;
    ListSummary summary_;
    std::vector<std::pair<Key, ListSummary::Material>> materials_; // sorted by key
};

// The summary as a table: Section, Item, Spring set, Value, Unit, Tag, in the active
// language, numbers with the list's decimal mark. It serves the list screen, the
// workbook's Summary sheet and a CSV summary alike.
struct SummaryTable {
    std::vector<std::string> header;
    std::vector<std::vector<std::string>> rows;
    std::vector<double> values; // per row, the Value as a number
    static constexpr std::size_t kValueColumn = 3;
};
SummaryTable MakeSummaryTable(const ListSummary& summary, const ListSizer& sizer);

// The summary as a JSON object, for programs: keys in English, numbers unrounded.
std::string SummaryJson(const ListSummary& summary);

// The summary in a few words for the end of a run: "bill of materials: 3 actuators of 2
// kinds; air 12.5 L per cycle; smallest margin 3.2 % (XV-101)".
std::string SummaryShort(const ListSummary& summary);

// Writes the summary to file: JSON by a ".json" suffix, otherwise CSV with the list's
// separator and decimal mark. Built beside the file and put in place whole; false, with the
// reason naming the file, when it cannot be written.
bool WriteSummaryFile(const std::string& fileName, const ListSummary& summary, const ListSizer& sizer,
                      std::string& error);
