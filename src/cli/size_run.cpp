#include "size_run.h"

#include "core/data/read_status.h"
#include "core/data/torque_database.h"
#include "core/data/torque_e.h"
#include "core/data/torque_t.h"
#include "core/text/load_string.h"
#include "core/text/text_util.h"
#include "lists/list_account.h"
#include "lists/list_datasheet.h"
#include "lists/list_job.h"
#include "lists/list_package.h"
#include "lists/list_summary.h"
#include "lists/list_writers.h"
#include "lists/workbook_reader.h"
#include "page/catalogue.h"
#include "pdf_sheets.h"
#include "progress_line.h"
#include "run_settings.h"

#include <QTranslator>

#include <csignal>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <memory>
#include <system_error>

namespace {

// The first few rows that need a look are named on standard error; the Status column
// of the output names them all.
constexpr int kRowsNamed = 20;

volatile std::sig_atomic_t stopRequested = 0;

void RequestStop(int) {
    stopRequested = 1;
}

void Fail(const std::string& message) {
    std::fprintf(stderr, "vnsize: %s\n", message.c_str());
}

const char* ReadStatusText(int status) {
    switch (status) {
    case ReadCannotOpen:
        return "cannot be opened";
    case ReadNoRecords:
        return "holds no records";
    case ReadShort:
        return "ends early or breaks its layout";
    case ReadNoMemory:
        return "is too large to hold in memory";
    case ReadTooMany:
        return "declares more than 255 records";
    default:
        return "could not be read";
    }
}

// An actuator range is usable when it was read to its end and holds at least one record.
template <class Range> bool RangeUsable(const Range& range, const std::string& fileName, std::string& message) {
    if (range.GetStatus() == ReadComplete && range.HasItems() && range.GetCount() > 0)
        return true;
    message = fileName + ": " +
              (range.GetStatus() == ReadComplete ? std::string("holds no records") : ReadStatusText(range.GetStatus()));
    return false;
}

DatasheetDate Today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_mday, local.tm_mon + 1, local.tm_year + 1900};
}

DatasheetFrame SheetFrame(bool electric, const std::string& place) {
    DatasheetFrame frame;
    frame.banner = electric ? kElectricBanner : kPneumaticBanner;
    frame.versionText = electric ? kElectricVersionText : kPneumaticVersionText;
    frame.place = place;
    frame.date = Today();
    frame.addNotes = false;
    return frame;
}

unsigned long long FileSize(const std::string& fileName) {
    std::error_code ec;
    const auto size = std::filesystem::file_size(fileName, ec);
    return ec ? 0 : static_cast<unsigned long long>(size);
}

// Where the datasheets go is made ready before the list is sized, so that a folder that
// cannot be made stops the run before any output is written.
bool PrepareSheetTarget(const std::string& target) {
    namespace fs = std::filesystem;
    std::error_code ec;
    if (!IsPdfName(target)) {
        fs::create_directories(target, ec);
        if (ec || !fs::is_directory(target)) {
            Fail(target + ": the folder cannot be made (" + (ec ? ec.message() : "a file has that name") + ")");
            return false;
        }
        return true;
    }
    const fs::path folder = fs::path(target).parent_path();
    if (!folder.empty() && !fs::is_directory(folder, ec)) {
        Fail(target + ": cannot be written (the folder " + folder.string() + " does not exist)");
        return false;
    }
    return true;
}

// A PDF written by write, with the pages done on the progress line and a stop on a signal;
// a failure is told.
bool WritePdfShowingProgress(const std::string& target, std::size_t pages, ProgressLine::Clock::time_point started,
                             const std::function<bool(std::string& error, const PdfProgress& progress)>& write) {
    ProgressLine progress("vnsize: writing " + target, pages, started, ProgressLine::Wanted(false));
    std::string error;
    const bool written = write(error, [&](int done) {
        progress.Show(static_cast<unsigned long long>(done));
        return stopRequested == 0;
    });
    progress.Clear();
    if (!written && !error.empty())
        Fail(error);
    return written;
}

// The datasheets of the sized rows, as one PDF or a folder of text files.
bool WriteSheets(const CliOptions& options, const RunSettings& run, const ListSizer& sizer,
                 const std::vector<SizedRow>& rows, ProgressLine::Clock::time_point started) {
    const DatasheetFrame frame = SheetFrame(sizer.Electric(), run.place);
    std::string error;
    if (!IsPdfName(options.datasheets)) {
        WriteListDatasheets(options.datasheets, sizer, rows, frame, error);
        if (!error.empty())
            Fail(error);
        return error.empty();
    }

    // each sheet is made as it is drawn
    const std::vector<std::size_t> sheetRows = RowsWithSheets(rows);
    const PdfSheetMaker sheetAt = [&](std::size_t index) {
        return MakeListSheet(sizer, rows[sheetRows[index]], frame, options.charts);
    };
    const std::string title = std::filesystem::path(options.list).filename().string();
    return WritePdfShowingProgress(options.datasheets, sheetRows.size(), started,
                                   [&](std::string& failure, const PdfProgress& progress) {
                                       return WritePdfSheets(options.datasheets, sheetRows.size(), sheetAt, title,
                                                             failure, progress);
                                   });
}

// The project data of the package: the --project file's, then the options over it. False,
// with the failure told, when the file cannot be read.
bool ResolveProject(const CliOptions& options, ProjectData& project) {
    std::string error;
    if (!options.projectFile.empty() && !ReadProjectFile(options.projectFile, project, error)) {
        Fail("--project: " + error);
        return false;
    }
    const std::string* const given[5] = {&options.project, &options.customer, &options.document, &options.revision,
                                         &options.engineer};
    std::string* const fields[5] = {&project.project, &project.customer, &project.document, &project.revision,
                                    &project.engineer};
    for (int k = 0; k < 5; ++k)
        if (options.projectGiven[k])
            *fields[k] = *given[k];
    return true;
}

// The list's datasheet package: a cover, the summary with its index, the bill of materials
// and a page per row, each page made as it is drawn.
bool WritePackage(const CliOptions& options, const RunSettings& run, const ListSizer& sizer,
                  const std::vector<SizedRow>& rows, const ProjectData& project,
                  const std::vector<std::string>& account, ProgressLine::Clock::time_point started) {
    PackageInputs inputs;
    inputs.project = project;
    inputs.listFile = std::filesystem::path(options.list).filename().string();
    inputs.actuatorFile = run.actuators;
    inputs.valveFiles = run.valves;
    inputs.assumptions = account;
    inputs.date = Today();
    inputs.program = PackageProgram();
    inputs.place = run.place;
    PackageSource source = MakePackageSource(sizer, rows, inputs, options.charts);
    return WritePdfShowingProgress(options.datasheets, rows.size(), started,
                                   [&](std::string& failure, const PdfProgress& progress) {
                                       return WritePdfPackage(options.datasheets, source, options.paper, failure,
                                                              progress);
                                   });
}

// The data files of a run and the sizer over them; the sizer points into the others.
struct SizingData {
    std::vector<std::unique_ptr<TorqueDatabase>> databases;
    std::unique_ptr<TorqueT> pneumatic;
    std::unique_ptr<TorqueE> electric;
    std::unique_ptr<ListSizer> sizer;
};

// Reads the actuator range and the valve database the run settled on. False, with the
// message given, when either cannot be used.
bool LoadData(const RunSettings& run, SizingData& data) {
    std::string message;
    ValveDatabases databases;
    for (const std::string& file : run.valves) {
        data.databases.push_back(std::make_unique<TorqueDatabase>(file));
        const TorqueDatabase& database = *data.databases.back();
        if (!database.IsUsable()) {
            const int status = database.status;
            Fail(file + ": not a usable valve torque database: it " +
                 (status == ReadComplete ? std::string("holds no valve series") : ReadStatusText(status)) +
                 (run.valvesFrom == "option" ? "" : " (named by " + run.valvesFrom + ")"));
            return false;
        }
        databases.push_back(&database);
    }
    if (run.kind == ActuatorKind::Pneumatic) {
        data.pneumatic = std::make_unique<TorqueT>(run.actuators);
        if (RangeUsable(*data.pneumatic, run.actuators, message))
            data.sizer = std::make_unique<ListSizer>(*data.pneumatic, databases, run.list);
    } else {
        data.electric = std::make_unique<TorqueE>(run.actuators);
        if (RangeUsable(*data.electric, run.actuators, message))
            data.sizer = std::make_unique<ListSizer>(*data.electric, databases, run.list);
    }
    if (!data.sizer)
        Fail(message);
    return data.sizer != nullptr;
}

// The texts a sized list carries in the language asked for: its catalogue, found as the
// programs find theirs, answers the string table for the rest of the run.
bool UseLanguage(int language, std::string& message) {
    static QTranslator catalogue;
    const QString file = LanguageModuleFileName(language);
    if (file.isEmpty())
        return true;
    // vnsize runs without an application object: its own folder comes from the system
    std::error_code ec;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    const QString path = FindLanguageModule(file, QString::fromStdString(self.parent_path().string()));
    if (path.isEmpty() || !catalogue.load(path)) {
        message = "--language: the catalogue " + file.toStdString() +
                  " is not here, nor where the programs are installed";
        return false;
    }
    SetStringLookup([](int id) {
        const QString text = CatalogueString(catalogue, id);
        const char* english = EnglishString(id);
        return text.isEmpty() ? std::string(english ? english : "") : text.toStdString();
    });
    return true;
}

// What went wrong with the output, naming it: a file's writer names it already.
std::string WriteError(const CliOptions& options, const ListWriter* writer) {
    if (options.output.empty())
        return "standard output: the sized list could not be written";
    return writer && !writer->Error().empty() ? writer->Error() : options.output + ": cannot be written";
}

} // namespace

void StopSizingOnSignals() {
    std::signal(SIGINT, RequestStop);
    std::signal(SIGTERM, RequestStop);
}

int RunSizing(const CliOptions& options) {
    const auto started = ProgressLine::Clock::now();
    RunSettings run;
    std::string message;
    if (!ResolveRunSettings(options, run, message)) {
        Fail(message);
        return kExitFailed;
    }
    if (!UseLanguage(run.language, message)) {
        Fail(message);
        return kExitFailed;
    }
    SizingData data;
    if (!LoadData(run, data))
        return kExitFailed;
    ListSizer& sizer = *data.sizer;

    // the sized list over the list itself would leave nothing to size again from
    std::error_code ec;
    if (!options.output.empty() && std::filesystem::equivalent(options.output, options.list, ec)) {
        Fail(options.output + ": is the list itself; write the sized list to another file");
        return kExitFailed;
    }
    if (!options.summary.empty() && (std::filesystem::equivalent(options.summary, options.list, ec) ||
                                     (!options.output.empty() && options.summary == options.output))) {
        Fail(options.summary + ": is the list or the sized list; write the summary to another file");
        return kExitFailed;
    }
    if (!options.sheet.empty() && ListFileTypeOf(options.list) == ListFileType::Text) {
        Fail("--sheet: " + options.list + " is read as CSV, which has no sheets");
        return kExitFailed;
    }
    const bool wantSheets = !options.datasheets.empty();
    // the package accounts for every row; the text sheets are the sized rows'
    const bool wantPackage = wantSheets && IsPdfName(options.datasheets) && !options.textSheets;
    ProjectData project;
    if (!ResolveProject(options, project))
        return kExitFailed;
    if (wantSheets && !PrepareSheetTarget(options.datasheets))
        return kExitFailed;

    // The writer is made once the header is known, as the list's separator and decimal
    // mark carry over into a CSV output.
    const bool toStandardOutput = options.output.empty();
    std::unique_ptr<ListWriter> writer;
    bool writeFailed = false;
    std::vector<SizedRow> rows; // kept only for the datasheets
    std::vector<std::string> rowMessages;
    ProgressLine progress("vnsize: sizing " + options.list, FileSize(options.list), started,
                          ProgressLine::Wanted(toStandardOutput));

    // how the list was read, for the package's cover: the list screen's words, so that one
    // list gives one package (the data files have a block of their own there)
    std::vector<std::string> packageAccount;
    const auto onHeader = [&](const ListSizer& ready) {
        // the account of what the run reads, before the first row
        std::vector<std::string> account = RunAccount(run);
        const std::vector<std::string> listLines = AccountLines(AccountOf(ready));
        account.insert(account.end(), listLines.begin(), listLines.end());
        progress.Clear();
        for (const std::string& line : account)
            std::fprintf(stderr, "vnsize: %s\n", line.c_str());
        writer = toStandardOutput ? MakeCsvStreamWriter(stdout, ready.Format())
                                  : MakeListWriter(ListFileKindOf(options.output), options.output, ready.Format());
        // a workbook's Assumptions sheet holds the same, with the list and the day it was sized
        const DatasheetDate today = Today();
        packageAccount = listLines;
        account.insert(account.begin(), {"list: " + options.list,
                                         Format("sized: %04d-%02d-%02d", today.year, today.month, today.day)});
        writeFailed = !writer || !BeginSizedList(*writer, ready, account);
        return !writeFailed && stopRequested == 0;
    };
    SummaryTally tally(sizer);
    const auto onRow = [&](SizedRow&& row, unsigned long long bytesRead) {
        tally.Add(row);
        if (!WriteSizedRow(*writer, row)) {
            writeFailed = true;
            return false;
        }
        if (row.status != RowStatus::Ok && static_cast<int>(rowMessages.size()) < kRowsNamed) {
            // Status says "no fit"; on its own line a user needs the words
            std::string status = row.cells.empty() ? std::string() : row.cells.back();
            if (row.status == RowStatus::NoFit && status == LoadString(294))
                status = "no actuator of the range fits";
            rowMessages.push_back(options.list + ": line " + std::to_string(row.line) + ": " +
                                  (row.tag.empty() ? std::string() : row.tag + ": ") + status);
        }
        if (wantPackage || (wantSheets && HasDatasheet(row)))
            rows.push_back(std::move(row));
        progress.Show(bytesRead);
        return stopRequested == 0;
    };
    const ListJobResult result = SizeListFile(options.list, sizer, onHeader, onRow);
    progress.Clear();

    if (writeFailed) {
        Fail(WriteError(options, writer.get()));
        return kExitFailed;
    }
    if (stopRequested) {
        Fail("stopped; " +
             (toStandardOutput ? std::string("the output is incomplete") : options.output + " is left as it was"));
        return kExitStopped;
    }
    if (!result.ok) {
        std::string why = result.message.empty() ? options.list + ": could not be read" : result.message;
        if (result.fault == ListFault::Columns)
            why += " (--column ROLE=HEADER names a column)";
        else if (result.fault == ListFault::Decimal)
            why += " (--decimal point|comma)";
        Fail(why);
        return kExitFailed;
    }
    const ListSummary summary = tally.Result();
    if (!writer || !FinishSizedList(*writer, sizer, summary)) {
        Fail(WriteError(options, writer.get()));
        return kExitFailed;
    }
    if (std::string error; !options.summary.empty() && !WriteSummaryFile(options.summary, summary, sizer, error)) {
        Fail(error);
        return kExitFailed;
    }
    if (wantPackage) {
        // a package of rows that could not be sized only would replace a file with nothing to send
        if (RowsWithSheets(rows).empty())
            Fail("no row was sized, so there is no datasheet to write; " + options.datasheets + " is left as it was");
        else if (!WritePackage(options, run, sizer, rows, project, packageAccount, started))
            return stopRequested ? kExitStopped : kExitFailed;
    } else if (wantSheets && rows.empty())
        Fail("no row was sized, so there is no datasheet to write; " + options.datasheets + " is left as it was");
    else if (wantSheets && !WriteSheets(options, run, sizer, rows, started))
        return stopRequested ? kExitStopped : kExitFailed;

    for (const std::string& line : rowMessages)
        std::fprintf(stderr, "%s\n", line.c_str());
    const long unsized = result.noFit + result.checkFailed + result.errors;
    if (unsized > static_cast<long>(rowMessages.size()))
        std::fprintf(stderr, "... and %ld more\n", unsized - static_cast<long>(rowMessages.size()));
    std::string counts = Format("%ld of %ld rows sized, %ld found no actuator, ", result.sized, result.rows,
                                result.noFit);
    if (sizer.HasChecks() || result.checkFailed > 0)
        counts += Format("%ld failed a check, ", result.checkFailed);
    counts += Format("%ld could not be sized", result.errors);
    if (result.warned > 0)
        counts += Format("; %ld with warnings (the column %s)", result.warned,
                          sizer.OutputHeader()[sizer.WarningsColumn()].c_str());
    if (result.skipped > 0)
        counts += Format("; %ld empty rows passed over", result.skipped);
    if (writer && writer->CutCells() > 0)
        counts += Format("; %ld cells cut to a workbook cell's 32767 characters", writer->CutCells());
    counts += "; " + SummaryShort(summary);
    std::fprintf(stderr, "vnsize: %s: %s\n", options.list.c_str(), counts.c_str());
    return unsized > 0 ? kExitSomeRows : kExitAllSized;
}
