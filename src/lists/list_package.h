// What a sized list's datasheet package says, page by page, as plain data: the project
// data of its title blocks, the cover, the summary table with its index, the bill of
// materials and one page per tag. Every text is in the active language and every number as
// the list shows it; the page library only lays it out and draws it.
#pragma once

#include "core/chart/torque_chart.h"
#include "core/report/datasheet_frame.h"
#include "lists/list_summary.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The project a package is made for; a field left empty leaves its place empty.
struct ProjectData {
    std::string project;
    std::string customer;
    std::string document; // the document number
    std::string revision;
    std::string engineer;
};

// Reads project data from a small text file of "key = value" lines: project, customer,
// document, revision and engineer, in any case; blank lines and lines starting with '#' are
// passed over. False, with the reason naming the file and the line, for a file that cannot be
// read, a line that is no "key = value" or a key it does not know.
bool ReadProjectFile(const std::string& fileName, ProjectData& data, std::string& error);
// The same from text; name is used in messages.
bool ReadProjectText(std::string_view text, const std::string& name, ProjectData& data, std::string& error);

// A label and its value, as a section lists them.
struct PackageField {
    std::string label;
    std::string value;
};

// The section titles of a tag page, in the active language.
struct TagPageTitles {
    std::string valve;
    std::string conditions;
    std::string selection;
    std::string torques;
    std::string checks;
    std::string warnings;
    std::string chart;
    std::string notes;
    std::string notSized; // "Not sized"
    std::string pass;
    std::string fail;
    std::string notChecked;
    // the labels of the selection's values: "Actuator", "Spring set", "Action", "Weakest margin"
    std::string actuator;
    std::string springSet;
    std::string action;
    std::string margin;
    std::string more; // "%s more", closing a list cut short on its page
};

// What stands in every title block and on the cover besides the page's own.
struct PackageFrame {
    ProjectData project;
    std::vector<PackageField> projectFields; // the project data, labelled, in order
    std::string date;    // the day the package was made, as the datasheets write it
    std::string program; // the program's name and version, as the datasheets' banner gives them
    std::vector<std::string> notes; // the settings' note lines; empty without notes
    std::string place;
    std::string title; // "Datasheet package", for the cover and the PDF's title
    // labels of the title block: "Project", "Customer", "Document", "Revision", "Date", "Page"
    std::string tagLabel;
    std::string dateLabel;
    // "Page %s of %s" in the active language
    std::string pageOf;
    TagPageTitles titles; // PackageTitles(), for every page's sections
};

// The checked points of a sizing, one line each: the demand against what the actuator
// delivers there and the margin, the weakest marked as on the chart.
struct TorqueLine {
    std::string point;     // "Break", "Run (air)", "Seat (spring)" ...
    std::string demand;    // in the list's unit, as the list writes torques
    std::string delivered; // empty when no actuator was found
    std::string margin;    // "+22.7 %"; empty when none
    bool weakest = false;
};

// Info: a value the list asks for without a limit (the air), which passes or fails nothing.
enum class CheckMark { Pass, Fail, NotChecked, Info };

// One check beside the sizing: MAST, air or stroke time.
struct CheckLine {
    std::string name;  // "MAST", "Air per cycle", "Stroke time"
    std::string value; // what the actuator gives ("117 Nm at 8 bar", "2.57 L")
    std::string limit; // what it is checked against ("400 Nm"); empty for a value only
    CheckMark mark = CheckMark::NotChecked;
};

// One tag's page.
struct TagPage {
    std::string tag;
    long line = 0; // the row's line in the list
    RowStatus status = RowStatus::Error;
    std::string statusText; // the row's Status: "ok", "check failed: ...", or why it could not be sized
    bool sized = false;     // false: the page only says why the row could not be sized
    std::vector<PackageField> valve;      // the list's own columns of the row, then the valve's data
    std::vector<PackageField> conditions; // the pressures and factors used
    std::string actuator;   // the selection, in large type; "---" when none fits
    std::string springSet;  // spring return; empty otherwise
    std::string action;     // "Fail Close", "Double Acting" ...
    std::string weakestMargin; // "+22.7 %"; empty when none
    std::vector<std::string> torqueHeader; // Point, Demand, Delivered, Margin (units in the headers)
    std::vector<TorqueLine> torques;
    std::vector<CheckLine> checks;
    std::vector<std::string> warnings;
    std::optional<TorqueChartData> chart; // with the tag leading its title
};

TagPageTitles PackageTitles();

// A line of the summary table, which is the package's index too.
struct SummaryLine {
    std::string tag;
    std::string actuator;
    std::string springSet;
    std::string margin;  // the weakest margin, as the list writes it
    std::string status;  // the row's Status
    RowStatus statusKind = RowStatus::Error;
    int page = 0;        // the tag's page, once the package is planned
};

// The cover and the pages around the tags.
struct PackageCover {
    std::vector<PackageField> list;        // the list's file name, the date, the data files
    std::vector<PackageField> counts;      // rows by status
    std::vector<std::string> assumptions;  // the columns and defaults used
    std::vector<std::string> summaryHeader; // Tag, Actuator, Spring set, Margin, Status, Page
    std::vector<SummaryLine> lines;        // one per row, in list order
    std::vector<std::string> materialsHeader; // Actuator, Spring set, Count
    std::vector<std::vector<std::string>> materials;
    // section titles: "Summary", "Bill of materials", "Assumptions", "List"
    std::string summaryTitle;
    std::string materialsTitle;
    std::string assumptionsTitle;
    std::string listTitle;
    std::string countsTitle;
};

// A tag's page from its sized row; the chart when withChart.
TagPage MakeTagPage(const ListSizer& sizer, const SizedRow& row, bool withChart);
// The row's line of the summary table.
SummaryLine MakeSummaryLine(const ListSizer& sizer, const SizedRow& row);

// Where the package's texts come from besides the rows.
struct PackageInputs {
    ProjectData project;
    std::string listFile;
    std::string actuatorFile;
    std::vector<std::string> valveFiles; // the valve databases, the settings' first
    std::vector<std::string> assumptions; // the lines of the run's account
    DatasheetDate date;
    std::string program; // the program's name and version
    std::vector<std::string> notes;
    std::string place;
};

PackageFrame MakePackageFrame(const PackageInputs& inputs);
PackageCover MakePackageCover(const PackageInputs& inputs, const ListSummary& summary, std::vector<SummaryLine> lines);

// The PDF's metadata.
struct PackageMetadata {
    std::string title;   // "Datasheet package: <project or list>"
    std::string author;  // the engineer
    std::string subject; // "<n> valves of <list>"
    std::string creator; // the program and its version
};
PackageMetadata MakePackageMetadata(const PackageInputs& inputs, std::size_t tags);

// A package as the page library draws it: the frame and cover, and the tag pages made one
// at a time as they are drawn, so a list of any length holds one page.
struct PackageSource {
    PackageFrame frame;
    PackageCover cover;
    PackageMetadata metadata;
    std::size_t tagCount = 0;
    std::function<TagPage(std::size_t index)> tagAt;
};

// The package of a sized list, as the list screen and vnsize make it: every row gets a page
// in list order (a row that could not be sized one that says why), each drawn from its row
// when the page library asks for it. rows must outlive the source.
PackageSource MakePackageSource(const ListSizer& sizer, const std::vector<SizedRow>& rows, const PackageInputs& inputs,
                                bool withCharts);

// The program as a package's title blocks and metadata name it, the same from every program
// of the project, so one list gives one package.
std::string PackageProgram();
